<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ja_JP">
<context>
    <name>ShowMarks</name>
    <message>
        <source>線の番号(&amp;N)</source>
        <translation>Line &amp;Numbers</translation>
    </message>
    <message>
        <source>式(&amp;Q)</source>
        <translation>E&amp;quations</translation>
    </message>
    <message>
        <source>交点(&amp;I)</source>
        <translation>&amp;Intersections</translation>
    </message>
    <message>
        <source>交点は現在の線とだけ(&amp;C)</source>
        <translation>Only &amp;Crossings of the Current Line</translation>
    </message>
    <message>
        <source>端点(&amp;E)</source>
        <translation>&amp;End Points</translation>
    </message>
    <message>
        <source>変化の割合(&amp;S)</source>
        <translation>Rate of Change (&amp;Slope)</translation>
    </message>
    <message>
        <source>線を色分け(&amp;L)</source>
        <translation>Co&amp;lour Each Line</translation>
    </message>
    <message>
        <source>yの変域(&amp;Y)</source>
        <translation>Range of &amp;y</translation>
    </message>
</context>
<context>
    <name>zelmora::CommandLine</name>
    <message>
        <source>図を書き出して終わる（.png .svg .pdf）。</source>
        <translation>Write the picture (.png, .svg or .pdf) and end.</translation>
    </message>
    <message>
        <source>問題用：線のない座標平面。</source>
        <translation>For a problem: the plane without its lines.</translation>
    </message>
    <message>
        <source>問題用の点は名前だけ（座標を書かない）。</source>
        <translation>For a problem: the points named, without their coordinates.</translation>
    </message>
    <message>
        <source>1目盛りの長さ（mm、2〜20）。</source>
        <translation>The length of one unit (mm, 2 to 20).</translation>
    </message>
    <message>
        <source>PNG の倍率：1、2、4。</source>
        <translation>The scale of a PNG: 1, 2 or 4.</translation>
    </message>
    <message>
        <source>白黒。</source>
        <translation>Black and white.</translation>
    </message>
    <message>
        <source>プリント（PDF）を書き出して終わる。</source>
        <translation>Write a worksheet (PDF) and end.</translation>
    </message>
    <message>
        <source>用紙：A4、B5、A3、Letter。</source>
        <translation>The paper: A4, B5, A3 or Letter.</translation>
    </message>
    <message>
        <source>用紙を横に使う。</source>
        <translation>Use the paper in landscape.</translation>
    </message>
    <message>
        <source>1ページの図の数：1、2、4、6。</source>
        <translation>Planes a page: 1, 2, 4 or 6.</translation>
    </message>
    <message>
        <source>問題のあとに解答をつける。</source>
        <translation>Add the answers after the problems.</translation>
    </message>
    <message>
        <source>題名（200字まで）。</source>
        <translation>The title (200 characters at most).</translation>
    </message>
    <message>
        <source>座標平面を −N〜N 目盛りにする（PDF とプリント、1〜50）。</source>
        <translation>Make the plane -N to N units (PDF and worksheets, 1 to 50).</translation>
    </message>
    <message>
        <source>中心：origin（原点）、lines（線のあるところ）。</source>
        <translation>The centre: origin, or lines (where the lines are).</translation>
    </message>
    <message>
        <source>プリントの余白（mm、5〜30）。</source>
        <translation>The worksheet&apos;s margin (mm, 5 to 30).</translation>
    </message>
    <message>
        <source>座標平面を白にする（カラーでもインクを減らす）。</source>
        <translation>A white plane (less ink, in colour too).</translation>
    </message>
    <message>
        <source>練習の問題の授業ファイルを書き出して終わる。</source>
        <translation>Write a lesson file of practice tasks and end.</translation>
    </message>
    <message>
        <source>練習プリント（PDF）を書き出して終わる。</source>
        <translation>Write practice sheets (PDF) and end.</translation>
    </message>
    <message>
        <source>練習プリントの種類の数：問題番号を一つずつ進める（1〜100）。</source>
        <translation>How many versions of the practice sheet, each from the next seed (1 to 100).</translation>
    </message>
    <message>
        <source>問題の種類：equation（式を求める）、graph（グラフをかく）、range（変域）、crossing（交点）、mixed。</source>
        <translation>The kind of task: equation (find the equation), graph (draw the graph), range (the range), crossing (where two lines cross) or mixed.</translation>
    </message>
    <message>
        <source>数：integer（整数）、fraction（分数）、mixed（まぜる）。</source>
        <translation>The numbers: integer, fraction or mixed.</translation>
    </message>
    <message>
        <source>問題の数（1〜100、ふつうは10）。</source>
        <translation>How many tasks (1 to 100, 10 unless given).</translation>
    </message>
    <message>
        <source>問題番号：同じ番号から同じ問題ができる。</source>
        <translation>The seed: the same seed makes the same tasks.</translation>
    </message>
    <message>
        <source>画面の言語：ja（日本語）、en（English）。</source>
        <translation>The language of the window: ja (Japanese) or en (English).</translation>
    </message>
    <message>
        <source>この説明を出す。</source>
        <translation>Print this help.</translation>
    </message>
    <message>
        <source>版を出す。</source>
        <translation>Print the version.</translation>
    </message>
    <message>
        <source>一次関数のグラフをかく。 Draws linear functions for pupils.</source>
        <translation>Draws linear functions for pupils.</translation>
    </message>
    <message>
        <source>開く授業ファイル（.zelmora）。</source>
        <translation>The lesson file to open (.zelmora).</translation>
    </message>
    <message>
        <source>--paper は A4、B5、A3、Letter のどれかです。 (A4, B5, A3 or Letter)</source>
        <translation>--paper is one of A4, B5, A3 and Letter.</translation>
    </message>
    <message>
        <source>--per-page は 1、2、4、6 のどれかです。 (1, 2, 4 or 6)</source>
        <translation>--per-page is one of 1, 2, 4 and 6.</translation>
    </message>
    <message>
        <source>--worksheet には授業ファイルが要ります。 (--worksheet needs a lesson file)</source>
        <translation>--worksheet needs a lesson file.</translation>
    </message>
    <message>
        <source>--worksheet は PDF に書き出します。 (--worksheet writes a .pdf file)</source>
        <translation>--worksheet writes a .pdf file.</translation>
    </message>
    <message>
        <source>--title は 200 字までです。 (200 characters at most)</source>
        <translation>--title is 200 characters at most.</translation>
    </message>
    <message>
        <source>--centre は origin か lines です。 (origin or lines)</source>
        <translation>--centre is origin or lines.</translation>
    </message>
    <message>
        <source>--margin は 5 から 30 までの mm の数です。 (5 to 30 millimetres)</source>
        <translation>--margin is a number of millimetres from 5 to 30.</translation>
    </message>
    <message>
        <source>--kind は equation、graph、range、crossing、mixed のどれかです。</source>
        <translation>--kind is one of equation, graph, range, crossing and mixed.</translation>
    </message>
    <message>
        <source>--level は integer、fraction、mixed のどれかです。</source>
        <translation>--level is one of integer, fraction and mixed.</translation>
    </message>
    <message>
        <source>--count は 1 から 100 までの数です。 (1 to 100)</source>
        <translation>--count is a number from 1 to 100.</translation>
    </message>
    <message>
        <source>--seed は 0 から 2^53 までの整数です。 (a whole number, 0 to 2^53)</source>
        <translation>--seed is a whole number from 0 to 2^53.</translation>
    </message>
    <message>
        <source>--lang は ja か en です。 (ja or en)</source>
        <translation>--lang is ja or en.</translation>
    </message>
    <message>
        <source>--units は 1 から 50 までの整数です。 (a whole number from 1 to 50)</source>
        <translation>--units is a whole number from 1 to 50.</translation>
    </message>
    <message>
        <source>--unit-mm は 2 から 20 までの mm の数です。 (2 to 20 millimetres)</source>
        <translation>--unit-mm is a number of millimetres from 2 to 20.</translation>
    </message>
    <message>
        <source>--practice-sheet は授業ファイルを読まず、ほかの書き出しと一緒に使えません。</source>
        <translation>--practice-sheet reads no lesson file and cannot be used with another output.</translation>
    </message>
    <message>
        <source>--practice-sheet は PDF に書き出します。 (a .pdf file)</source>
        <translation>--practice-sheet writes a .pdf file.</translation>
    </message>
    <message>
        <source>--versions は 1 から 100 までの数です。 (1 to 100)</source>
        <translation>--versions is a number from 1 to 100.</translation>
    </message>
    <message>
        <source>--practice は授業ファイルを読まず、ほかの書き出しと一緒に使えません。</source>
        <translation>--practice reads no lesson file and cannot be used with another output.</translation>
    </message>
    <message>
        <source>--export と --worksheet は一緒に使えません。 (one of --export and --worksheet)</source>
        <translation>--export and --worksheet cannot be used together.</translation>
    </message>
    <message>
        <source>授業ファイルは一つだけです。 (one lesson file at most)</source>
        <translation>One lesson file at most.</translation>
    </message>
    <message>
        <source>--scale は 1、2、4 のどれかです。 (1, 2 or 4)</source>
        <translation>--scale is one of 1, 2 and 4.</translation>
    </message>
    <message>
        <source>--export には授業ファイルが要ります。 (--export needs a lesson file)</source>
        <translation>--export needs a lesson file.</translation>
    </message>
    <message>
        <source>例 (examples):
  zelmora --export 問題.pdf --problem --unit-mm 10 授業.zelmora
  zelmora --worksheet プリント.pdf --per-page 4 --answers --title 一次関数 授業1.zelmora 授業2.zelmora
  zelmora --worksheet プリント.pdf --centre lines --unit-mm 5 授業.zelmora
  zelmora --practice 練習.zelmora --kind equation --level fraction --count 10 --seed 4721
  zelmora --practice-sheet 練習.pdf --kind mixed --count 8 --seed 4721 --versions 30
</source>
        <translation>Examples:
  zelmora --export problem.pdf --problem --unit-mm 10 lesson.zelmora
  zelmora --worksheet worksheet.pdf --per-page 4 --answers --title &quot;Linear functions&quot; lesson1.zelmora lesson2.zelmora
  zelmora --worksheet worksheet.pdf --centre lines --unit-mm 5 lesson.zelmora
  zelmora --practice practice.zelmora --kind equation --level fraction --count 10 --seed 4721
  zelmora --practice-sheet practice.pdf --kind mixed --count 8 --seed 4721 --versions 30
</translation>
    </message>
    <message>
        <source>題名が長すぎて用紙に入りません。 (the title is too long for the paper)</source>
        <translation>The title is too long for the paper.</translation>
    </message>
    <message>
        <source>この1目盛りの長さでは座標平面が用紙に入りません。 (the planes do not fit the paper at this scale)</source>
        <translation>The planes do not fit the paper at this unit length.</translation>
    </message>
    <message>
        <source>座標平面の外にある線: %1（--centre lines で線のあるところを中心にできます） (lines off their planes)</source>
        <translation>Lines off their planes: %1 (--centre lines centres each plane on its lines).</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the lines off their planes</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>①</source>
        <translation>line 1</translation>
    </message>
    <message>
        <source>②</source>
        <translation>line 2</translation>
    </message>
    <message>
        <source>③</source>
        <translation>line 3</translation>
    </message>
    <message>
        <source>④</source>
        <translation>line 4</translation>
    </message>
    <message>
        <source>⑤</source>
        <translation>line 5</translation>
    </message>
    <message>
        <source>⑥</source>
        <translation>line 6</translation>
    </message>
    <message>
        <source>⑦</source>
        <translation>line 7</translation>
    </message>
    <message>
        <source>⑧</source>
        <translation>line 8</translation>
    </message>
</context>
<context>
    <name>zelmora::EquationDialog</name>
    <message>
        <source>式で入力</source>
        <translation>Type an equation</translation>
    </message>
    <message>
        <source>直線の式(&amp;F)：</source>
        <translation>Line&apos;s &amp;equation:</translation>
    </message>
    <message>
        <source>直線の式</source>
        <translation>Line&apos;s equation</translation>
    </message>
    <message>
        <source>線を引く</source>
        <translation>Draw line</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>例：2χ + 3y = 6&#x3000;χ = 3&#x3000;y = −2/3χ + 1 (−3 ≦ χ ≦ 3)&#x3000;χ = 3 (−2 ≦ y ≦ 5)
χ は x でも入力できます（全角でも）。変域は「,」のあとか ( ) の中に書きます。
端を含まないときは「&lt;」で書きます（−3 &lt; χ ≦ 3）。</source>
        <translation>Examples: 2χ + 3y = 6  χ = 3  y = −2/3χ + 1 (−3 ≦ χ ≦ 3)  χ = 3 (−2 ≦ y ≦ 5)
χ may be typed as x (full-width too). Write a domain after a comma or in brackets.
Write &quot;&lt;&quot; for an end left out (−3 &lt; χ ≦ 3).</translation>
    </message>
</context>
<context>
    <name>zelmora::ExploreWindow</name>
    <message>
        <source>動かして調べる</source>
        <translation>Explore</translation>
    </message>
    <message>
        <source>の刻み</source>
        <translation> step</translation>
    </message>
    <message>
        <source>を自動で動かす</source>
        <translation> moves by itself</translation>
    </message>
    <message>
        <source>前の線を残す(&amp;K)</source>
        <translation>&amp;Keep the Previous Line</translation>
    </message>
    <message>
        <source>動かして調べる — 線%1</source>
        <translation>Explore - Line %1</translation>
    </message>
    <message>
        <source>線%1を動かします。</source>
        <translation>Moving line %1.</translation>
    </message>
    <message>
        <source>線%1には線がありません。</source>
        <translation>Line %1 is empty.</translation>
    </message>
    <message>
        <source>線%1は χ＝の直線で、a と b がないので動かせません。</source>
        <translation>Line %1 is a line χ = h: it has no a and b to move.</translation>
    </message>
    <message>
        <source>１２３４５６７８</source>
        <translation>12345678</translation>
    </message>
</context>
<context>
    <name>zelmora::MainWindow</name>
    <message>
        <source>Zelmora の授業 (*.zelmora);;すべてのファイル (*)</source>
        <translation>Zelmora lessons (*.zelmora);;All files (*)</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)…</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)…</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>図を書き出す(&amp;E)…</source>
        <translation>&amp;Export Picture...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)…</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>最近使ったファイル(&amp;R)</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <source>前回の線を開く(&amp;L)</source>
        <translation>Open the &amp;Last Lines</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>図をコピー(&amp;C)</source>
        <translation>&amp;Copy Picture</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使い方(&amp;H)</source>
        <translation>&amp;How to Use</translation>
    </message>
    <message>
        <source>このプログラムについて(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>値の表(&amp;T)</source>
        <translation>&amp;Table of Values</translation>
    </message>
    <message>
        <source>値の表をウィンドウに付ける(&amp;D)</source>
        <translation>&amp;Dock the Table to the Window</translation>
    </message>
    <message>
        <source>動かして調べる(&amp;M)</source>
        <translation>&amp;Move and Explore</translation>
    </message>
    <message>
        <source>大きく映す(&amp;P)</source>
        <translation>&amp;Projector</translation>
    </message>
    <message>
        <source>言語(&amp;G)</source>
        <translation>Lan&amp;guage</translation>
    </message>
    <message>
        <source>保存する</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>授業を開く</source>
        <translation>Open Lesson</translation>
    </message>
    <message>
        <source>授業.zelmora</source>
        <translation>lesson.zelmora</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>座標平面</source>
        <translation>coordinate plane</translation>
    </message>
    <message>
        <source>Zelmora について</source>
        <translation>About Zelmora</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Zelmora&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;一次関数 y = aχ + b のグラフを座標平面にかく、中学生のためのプログラムです。&lt;/p&gt;&lt;p&gt;MIT ライセンス&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Zelmora&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;A program for pupils that draws the graphs of linear functions y = aχ + b on a coordinate plane.&lt;/p&gt;&lt;p&gt;MIT licence&lt;/p&gt;</translation>
    </message>
    <message>
        <source>式で入力(&amp;Q)…</source>
        <translation>Type an e&amp;quation...</translation>
    </message>
    <message>
        <source>練習(&amp;R)</source>
        <translation>P&amp;ractice</translation>
    </message>
    <message>
        <source>練習する(&amp;P)…</source>
        <translation>&amp;Practise...</translation>
    </message>
    <message>
        <source>%1[*] — %2</source>
        <comment>the lesson&apos;s file name, Qt&apos;s modified mark and the form&apos;s caption</comment>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>（点をとる）</source>
        <translation> (plotting points)</translation>
    </message>
    <message>
        <source>練習プリントを印刷(&amp;S)…</source>
        <translation>Print a Practice &amp;Sheet...</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a menu item&apos;s keys and its name, in the usage text&apos;s list of keys</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source> か </source>
        <comment>between two keys of one menu item</comment>
        <translation> or </translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the menu items of the usage text&apos;s list of keys</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>zelmora::Panel</name>
    <message>
        <source>初期画面</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>座標平面の大きさ</source>
        <translation>Plane size</translation>
    </message>
    <message>
        <source>小</source>
        <translation>S</translation>
    </message>
    <message>
        <source>中</source>
        <translation>M</translation>
    </message>
    <message>
        <source>大</source>
        <translation>L</translation>
    </message>
    <message>
        <source>１～８本の線が引けます。</source>
        <translation>Draw up to 8 lines.</translation>
    </message>
    <message>
        <source>番号の○にチェックし，</source>
        <translation>Pick a line number,</translation>
    </message>
    <message>
        <source>ａ，ｂの値と変域をいれて</source>
        <translation>enter a, b, domain,</translation>
    </message>
    <message>
        <source>「線を引く」で描きます。</source>
        <translation>then press Draw line.</translation>
    </message>
    <message>
        <source>ａ，ｂは，分数でもよいです。&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;分数の入力は，－２／３と入力します。</source>
        <translation>a and b may be fractions.  Type a fraction as -2/3.</translation>
    </message>
    <message>
        <source>線を引く</source>
        <translation>Draw line</translation>
    </message>
    <message>
        <source>線を消す</source>
        <translation>Erase line</translation>
    </message>
    <message>
        <source>終&#x3000;了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>座標平面</source>
        <translation>coordinate plane</translation>
    </message>
    <message>
        <source>座標平面の大きさ 小</source>
        <translation>Plane size S</translation>
    </message>
    <message>
        <source>座標平面の大きさ 中</source>
        <translation>Plane size M</translation>
    </message>
    <message>
        <source>座標平面の大きさ 大</source>
        <translation>Plane size L</translation>
    </message>
    <message>
        <source>線１</source>
        <translation>Line 1</translation>
    </message>
    <message>
        <source>線２</source>
        <translation>Line 2</translation>
    </message>
    <message>
        <source>線３</source>
        <translation>Line 3</translation>
    </message>
    <message>
        <source>線４</source>
        <translation>Line 4</translation>
    </message>
    <message>
        <source>線５</source>
        <translation>Line 5</translation>
    </message>
    <message>
        <source>線６</source>
        <translation>Line 6</translation>
    </message>
    <message>
        <source>線７</source>
        <translation>Line 7</translation>
    </message>
    <message>
        <source>線８</source>
        <translation>Line 8</translation>
    </message>
    <message>
        <source>変域の下限</source>
        <translation>lower bound</translation>
    </message>
    <message>
        <source>変域の上限</source>
        <translation>upper bound</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>zelmora::PictureBox</name>
    <message>
        <source>図をコピー</source>
        <translation>Copy picture</translation>
    </message>
</context>
<context>
    <name>zelmora::PointDialog</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>zelmora::PointMenu</name>
    <message>
        <source>点をとる(&amp;P)</source>
        <translation>&amp;Plot points</translation>
    </message>
    <message>
        <source>点を入力(&amp;N)…</source>
        <translation>E&amp;nter a point...</translation>
    </message>
    <message>
        <source>点を入力</source>
        <translation>Enter a point</translation>
    </message>
    <message>
        <source>名前(&amp;N)：</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>χ座標(&amp;X)：</source>
        <translation>&amp;x:</translation>
    </message>
    <message>
        <source>y座標(&amp;Y)：</source>
        <translation>&amp;y:</translation>
    </message>
    <message>
        <source>例：名前 A、χ −3、y 3&#x3000;分数は 1/2 のように。同じ名前の点は動きます。</source>
        <translation>Example: name A, x −3, y 3. Fractions as 1/2. A point of the same name moves.</translation>
    </message>
    <message>
        <source>点をとる</source>
        <translation>Plot point</translation>
    </message>
    <message>
        <source>点を消す(&amp;D)…</source>
        <translation>&amp;Delete a point...</translation>
    </message>
    <message>
        <source>点を消す</source>
        <translation>Delete point</translation>
    </message>
    <message>
        <source>消す</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>2点を通る直線(&amp;T)…</source>
        <translation>Line &amp;through two points...</translation>
    </message>
    <message>
        <source>2点を通る直線</source>
        <translation>Line through two points</translation>
    </message>
    <message>
        <source>1つ目の点(&amp;1)：</source>
        <translation>First point (&amp;1):</translation>
    </message>
    <message>
        <source>2つ目の点(&amp;2)：</source>
        <translation>Second point (&amp;2):</translation>
    </message>
    <message>
        <source>いまの線の番号に、2点を通る直線の式を入れて引きます。点を動かすと線もついてきます。</source>
        <translation>Draws the line through both points in the current slot. Moving a point moves the line with it.</translation>
    </message>
    <message>
        <source>座標平面の端から端まで引く(&amp;W)</source>
        <translation>Across the &amp;whole plane</translation>
    </message>
    <message>
        <source>線を引く</source>
        <translation>Draw line</translation>
    </message>
    <message>
        <source>傾きと1点(&amp;S)…</source>
        <translation>&amp;Slope and a point...</translation>
    </message>
    <message>
        <source>傾きと1点</source>
        <translation>Slope and a point</translation>
    </message>
    <message>
        <source>傾き ａ(&amp;A)：</source>
        <translation>Slope &amp;a:</translation>
    </message>
    <message>
        <source>点のχ座標(&amp;X)：</source>
        <translation>Point&apos;s &amp;x:</translation>
    </message>
    <message>
        <source>点のy座標(&amp;Y)：</source>
        <translation>Point&apos;s &amp;y:</translation>
    </message>
    <message>
        <source>例：傾き −2/3 で点 (3, −1) を通る直線</source>
        <translation>Example: the line of slope −2/3 through (3, −1)</translation>
    </message>
    <message>
        <source>表の点をとる(&amp;O)</source>
        <translation>Plot the table&apos;s p&amp;oints</translation>
    </message>
    <message>
        <source>表の点がありません。線を引いてからにしてください。</source>
        <translation>The table has no points. Draw a line first.</translation>
    </message>
    <message>
        <source>表の点を%1個とりました。</source>
        <translation>Plotted %1 points of the table.</translation>
    </message>
</context>
<context>
    <name>zelmora::PracticeSheet</name>
    <message>
        <source>この直線の式を求めましょう。</source>
        <translation>Find this line&apos;s equation.</translation>
    </message>
    <message>
        <source>%1 のグラフをかきましょう。</source>
        <translation>Draw the graph of %1.</translation>
    </message>
    <message>
        <source>%1（%2）の y の変域を求めましょう。</source>
        <translation>Find the range of y for %1 (%2).</translation>
    </message>
    <message>
        <source>%1 と %2 の交点の座標を求めましょう。</source>
        <translation>Find where %1 and %2 cross.</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;&#x3000;組&#x3000;&#x3000;&#x3000;番&#x3000;名前</source>
        <translation>Class          No.          Name</translation>
    </message>
    <message>
        <source>練習プリント&#x3000;問題番号 %1</source>
        <translation>Practice sheet, set %1</translation>
    </message>
    <message>
        <source>練習プリント&#x3000;問題番号 %1&#x3000;解答</source>
        <translation>Practice sheet, set %1: answers</translation>
    </message>
    <message>
        <source>練習プリント</source>
        <translation>Practice sheet</translation>
    </message>
</context>
<context>
    <name>zelmora::PracticeWindow</name>
    <message>
        <source>Zelmora — 練習</source>
        <translation>Zelmora - Practice</translation>
    </message>
    <message>
        <source>種類(&amp;K)</source>
        <translation>&amp;Kind</translation>
    </message>
    <message>
        <source>数(&amp;L)</source>
        <translation>&amp;Numbers</translation>
    </message>
    <message>
        <source>%1問</source>
        <translation>%1 tasks</translation>
    </message>
    <message>
        <source>問題の数(&amp;C)</source>
        <translation>&amp;Count</translation>
    </message>
    <message>
        <source>問題番号(&amp;N)</source>
        <translation>Set &amp;number</translation>
    </message>
    <message>
        <source>始める(&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>種類と数を選んで「始める」を押しましょう。</source>
        <translation>Choose a kind and numbers, then press Start.</translation>
    </message>
    <message>
        <source>答え合わせ</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>おわり</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>まちがえた問題とその答え：</source>
        <translation>Tasks missed, with their answers:</translation>
    </message>
    <message>
        <source>問題の座標平面：← → で線をたどります</source>
        <translation>The task&apos;s plane: ← → trace the line</translation>
    </message>
    <message>
        <source>問題の座標平面：矢印キーで動かしてEnterで点をとります</source>
        <translation>The task&apos;s plane: move with the arrow keys, Enter puts a point</translation>
    </message>
</context>
<context>
    <name>zelmora::ProjectorWindow</name>
    <message>
        <source>Zelmora — 大きく映す</source>
        <translation>Zelmora - Projector</translation>
    </message>
    <message>
        <source>座標平面（大きく映す）</source>
        <translation>Coordinate plane (projector)</translation>
    </message>
</context>
<context>
    <name>zelmora::Speech</name>
    <message>
        <source>分母の言葉</source>
        <comment>the denominators 2 to 12 said as words, &apos;half/halves|third/thirds|…&apos;; untranslated: none</comment>
        <translation>half/halves|third/thirds|quarter/quarters|fifth/fifths|sixth/sixths|seventh/sevenths|eighth/eighths|ninth/ninths|tenth/tenths|eleventh/elevenths|twelfth/twelfths</translation>
    </message>
    <message>
        <source>。</source>
        <comment>between two sentences</comment>
        <translation>. </translation>
    </message>
    <message>
        <source>。</source>
        <comment>after the last sentence</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the items of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>a fraction, then χ and what follows</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>＝</source>
        <translation> = </translation>
    </message>
    <message>
        <source>＋</source>
        <translation> + </translation>
    </message>
    <message>
        <source>エックス%1、y%2</source>
        <translation>x %1, y %2</translation>
    </message>
    <message>
        <source>減る</source>
        <translation>down</translation>
    </message>
    <message>
        <source>増える</source>
        <translation>up</translation>
    </message>
    <message>
        <source>yは変わらない</source>
        <translation>y stays the same</translation>
    </message>
    <message>
        <source>yは%1%2</source>
        <translation>y %2 by %1</translation>
    </message>
    <message>
        <source>エックスが%1%2と%3</source>
        <translation>x %2 by %1, %3</translation>
    </message>
    <message>
        <source>エックスは%1から%2まで、yは%3から%4まで見えています</source>
        <translation>x from %1 to %2 and y from %3 to %4 are shown</translation>
    </message>
    <message>
        <source>エックス</source>
        <translation>x</translation>
    </message>
    <message>
        <source>線%1：%2、エックスは%3から%4まで、yは%5から%6まで</source>
        <translation>Line %1: %2, x from %3 to %4, y from %5 to %6</translation>
    </message>
    <message>
        <source>線%1と線%2は%3で交わる</source>
        <translation>Lines %1 and %2 cross at %3</translation>
    </message>
    <message>
        <source>線はありません</source>
        <translation>No lines</translation>
    </message>
    <message>
        <source>線%1には線がありません。</source>
        <translation>Line %1 is empty.</translation>
    </message>
    <message>
        <source>線%1：%2、エックスは%3から%4まで。</source>
        <translation>Line %1: %2, x from %3 to %4.</translation>
    </message>
    <message>
        <source>線%1を引きました。%2、エックスは%3から%4まで。</source>
        <translation>Line %1 drawn. %2, x from %3 to %4.</translation>
    </message>
    <message>
        <source>線%1を消しました。</source>
        <translation>Line %1 erased.</translation>
    </message>
    <message>
        <source>線%1を選びました。</source>
        <translation>Line %1 chosen. </translation>
    </message>
    <message>
        <source>初期画面にしました。線はありません。</source>
        <translation>Reset. No lines.</translation>
    </message>
    <message>
        <source>大きさを%1にしました。%2。</source>
        <translation>Size %1. %2.</translation>
    </message>
    <message>
        <source>元に戻しました：%1。</source>
        <translation>Undone: %1. </translation>
    </message>
    <message>
        <source>やり直しました：%1。</source>
        <translation>Redone: %1. </translation>
    </message>
    <message>
        <source>交点は現在の線とだけ表示します。</source>
        <translation>Crossings shown with the current line only.</translation>
    </message>
    <message>
        <source>交点はすべての線について表示します。</source>
        <translation>Crossings shown for all lines.</translation>
    </message>
    <message>
        <source>線を色分けします。</source>
        <translation>Each line in its own colour.</translation>
    </message>
    <message>
        <source>線をすべて青で引きます。</source>
        <translation>All lines in blue.</translation>
    </message>
    <message>
        <source>線の番号</source>
        <translation>Line numbers</translation>
    </message>
    <message>
        <source>式</source>
        <translation>Equations</translation>
    </message>
    <message>
        <source>交点</source>
        <translation>Intersections</translation>
    </message>
    <message>
        <source>端点</source>
        <translation>End points</translation>
    </message>
    <message>
        <source>変化の割合</source>
        <translation>Rate of change</translation>
    </message>
    <message>
        <source>を表示します。</source>
        <translation> shown.</translation>
    </message>
    <message>
        <source>を隠します。</source>
        <translation> hidden.</translation>
    </message>
    <message>
        <source>値の表を開きました。線%1の表です。</source>
        <translation>Table of values opened, for line %1.</translation>
    </message>
    <message>
        <source>値の表を閉じました。</source>
        <translation>Table of values closed.</translation>
    </message>
    <message>
        <source>エックスが%1のときyは%2</source>
        <translation>when x is %1, y is %2</translation>
    </message>
    <message>
        <source>線%1、%2</source>
        <translation>Line %1, %2</translation>
    </message>
    <message>
        <source>線がありません。</source>
        <translation>No line.</translation>
    </message>
    <message>
        <source>ほかの線はありません。</source>
        <translation>No other lines.</translation>
    </message>
    <message>
        <source>線の端です。</source>
        <translation>End of the line.</translation>
    </message>
    <message>
        <source>%1分の%2</source>
        <translation>%2 over %1</translation>
    </message>
    <message>
        <source>%1の直線、yは%2から%3まで</source>
        <translation>the line %1, y from %2 to %3</translation>
    </message>
    <message>
        <source>yが%1%2</source>
        <translation>y %2 by %1</translation>
    </message>
    <message>
        <source>線%1：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>線%1：%2。</source>
        <translation>Line %1: %2.</translation>
    </message>
    <message>
        <source>線%1を引きました。%2。</source>
        <translation>Line %1 drawn. %2.</translation>
    </message>
    <message>
        <source>線はありません。</source>
        <translation>No lines.</translation>
    </message>
    <message>
        <source>元に戻すことはありません。</source>
        <translation>Nothing to undo.</translation>
    </message>
    <message>
        <source>やり直すことはありません。</source>
        <translation>Nothing to redo.</translation>
    </message>
    <message>
        <source>新しい授業にしました。線はありません。</source>
        <translation>New lesson. No lines.</translation>
    </message>
    <message>
        <source>「%1」を開きました。</source>
        <translation>Opened %1. </translation>
    </message>
    <message>
        <source>線が%1本あります。</source>
        <translation>Lines: %1. </translation>
    </message>
    <message>
        <source>点を消しました。</source>
        <translation>Point removed.</translation>
    </message>
    <message>
        <source>線%1を動かします。%2。</source>
        <translation>Moving line %1. %2.</translation>
    </message>
    <message>
        <source>%1を止めました。%2</source>
        <translation>%1 stopped. %2</translation>
    </message>
    <message>
        <source>χの刻みを%1にしました。</source>
        <translation>Step of χ: %1. </translation>
    </message>
    <message>
        <source>エックスは%1から%2まで</source>
        <translation>x from %1 to %2</translation>
    </message>
    <message>
        <source>変化の割合は%1</source>
        <translation>Rate of change %1</translation>
    </message>
    <message>
        <source>切片は%1</source>
        <translation>Intercept %1</translation>
    </message>
    <message>
        <source>yの変域は%1から%2まで</source>
        <translation>y from %1 to %2</translation>
    </message>
    <message>
        <source>線%1とは%2で交わる</source>
        <translation>Crosses line %1 at %2</translation>
    </message>
    <message>
        <source>線%1とは変域の外の%2で交わる</source>
        <translation>Crosses line %1 outside the domain, at %2</translation>
    </message>
    <message>
        <source>線%1とは平行で交わらない</source>
        <translation>Parallel to line %1, no crossing</translation>
    </message>
    <message>
        <source>線%1とは同じ直線上にあるが共有点はない</source>
        <translation>On the same straight line as line %1, no common point</translation>
    </message>
    <message>
        <source>線%1と重なる</source>
        <translation>Overlaps line %1</translation>
    </message>
    <message>
        <source>１２３４５６７８</source>
        <translation>12345678</translation>
    </message>
    <message>
        <source>−</source>
        <comment>the minus sign, as a screen reader is given it</comment>
        <translation>minus</translation>
    </message>
    <message>
        <source>＋</source>
        <comment>the plus sign of a change shown beside the tracing point</comment>
        <translation>+</translation>
    </message>
    <message>
        <source>χ%1 → y%2</source>
        <comment>the tracing point&apos;s change, shown beside it</comment>
        <translation>χ %1 → y %2</translation>
    </message>
    <message>
        <source>点%1、%2</source>
        <translation>point %1, %2</translation>
    </message>
    <message>
        <source>（図の外）</source>
        <translation> (outside the picture)</translation>
    </message>
    <message>
        <source>点%1を%2にとりました</source>
        <translation>Point %1 plotted at %2</translation>
    </message>
    <message>
        <source>図の外です</source>
        <translation>It is outside the picture</translation>
    </message>
    <message>
        <source>点をとります。クリックするか、矢印キーで動かしてEnterでとります。Escで終わります。</source>
        <translation>Plotting points. Click, or move with the arrow keys and press Enter. Esc ends.</translation>
    </message>
    <message>
        <source>点をとるのを終わりました。</source>
        <translation>Stopped plotting points.</translation>
    </message>
    <message>
        <source>%1、点%2</source>
        <translation>%1, point %2</translation>
    </message>
    <message>
        <source>%1より大きく</source>
        <translation>greater than %1</translation>
    </message>
    <message>
        <source>%1以上</source>
        <translation>at least %1</translation>
    </message>
    <message>
        <source>%1未満</source>
        <translation> and less than %1</translation>
    </message>
    <message>
        <source>%1以下</source>
        <translation> and at most %1</translation>
    </message>
    <message>
        <source>線%1：%2、エックスは%3</source>
        <translation>Line %1: %2, x %3</translation>
    </message>
    <message>
        <source>、yは%1</source>
        <translation>, y %1</translation>
    </message>
    <message>
        <source>y軸に線%1のyの変域、%2</source>
        <translation>On the y axis, the range of line %1: y %2</translation>
    </message>
    <message>
        <source>yの変域</source>
        <translation>Range of y</translation>
    </message>
    <message>
        <source>線%1の端、%2を含まないようにしました。</source>
        <translation>The end of line %1 at %2 is left out.</translation>
    </message>
    <message>
        <source>線%1の端、%2を含むようにしました。</source>
        <translation>The end of line %1 at %2 is included.</translation>
    </message>
    <message>
        <source>エックスは%1</source>
        <translation>x %1</translation>
    </message>
    <message>
        <source>yの変域は%1</source>
        <translation>y %1</translation>
    </message>
    <message>
        <source>エックスが%1のときyは%2、ただしこの点は含まない</source>
        <translation>when x is %1, y would be %2, but this point is not included</translation>
    </message>
    <message>
        <source>%1、含まない</source>
        <comment>a cell of the table of values at an open end</comment>
        <translation>%1, not included</translation>
    </message>
    <message>
        <source>%1（含まない）</source>
        <comment>the tracing point at an open end, shown beside it</comment>
        <translation>%1 (not included)</translation>
    </message>
    <message>
        <source>、この点は含まない</source>
        <comment>said after the tracing point at an open end</comment>
        <translation>, not included</translation>
    </message>
    <message>
        <source>%1の直線、yは%2</source>
        <translation>the line %1, y %2</translation>
    </message>
    <message>
        <source>線%1を引きました。%2、エックスは%3。</source>
        <translation>Line %1 drawn. %2, x %3.</translation>
    </message>
</context>
<context>
    <name>zelmora::ValueTableWindow</name>
    <message>
        <source>１２３４５６７８</source>
        <translation>12345678</translation>
    </message>
    <message>
        <source>線%1と：</source>
        <translation>With line %1: </translation>
    </message>
    <message>
        <source>変域の外で交わる </source>
        <translation>crosses outside the domain at </translation>
    </message>
    <message>
        <source>平行（交わらない）</source>
        <translation>parallel (no crossing)</translation>
    </message>
    <message>
        <source>同じ直線上（共有点なし）</source>
        <translation>on the same line (no common point)</translation>
    </message>
    <message>
        <source>重なる</source>
        <translation>overlapping</translation>
    </message>
    <message>
        <source>線%1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>には線がありません。</source>
        <translation> is empty.</translation>
    </message>
    <message>
        <source>変化の割合：%1</source>
        <translation>Rate of change: %1</translation>
    </message>
    <message>
        <source>切片：%1</source>
        <translation>Intercept: %1</translation>
    </message>
    <message>
        <source>yの変域：%1</source>
        <translation>Range of y: %1</translation>
    </message>
    <message>
        <source>&lt;p&gt;交点&lt;br&gt;%1&lt;/p&gt;</source>
        <translation>&lt;p&gt;Intersections&lt;br&gt;%1&lt;/p&gt;</translation>
    </message>
    <message>
        <source>交点</source>
        <translation>Intersections</translation>
    </message>
    <message>
        <source>値の表</source>
        <translation>Table of Values</translation>
    </message>
    <message>
        <source>χの刻み(&amp;S)</source>
        <translation>χ &amp;step</translation>
    </message>
    <message>
        <source>χの刻み</source>
        <translation>χ step</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>表をコピー(&amp;C)</source>
        <translation>&amp;Copy Table</translation>
    </message>
    <message>
        <source>表をコピー</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>値の表 — 線%1</source>
        <translation>Table of Values - Line %1</translation>
    </message>
    <message>
        <source>値の表 線%1</source>
        <translation>Table of values, line %1</translation>
    </message>
    <message>
        <source>χ＝の直線では χ が変わらないので、値の表はつくれません。変化の割合と切片もありません。</source>
        <translation>On a line χ = h, χ does not change: it has no table of values, no rate of change and no intercept.</translation>
    </message>
    <message>
        <source>χの刻み%1では列が%2を超えるので、刻みを%3にしました。</source>
        <translation>A step of %1 would give more than %2 columns: the step is %3.</translation>
    </message>
    <message>
        <source>( ) は、変域に含まれない端での値です。</source>
        <translation>( ): at an end not in the domain.</translation>
    </message>
</context>
<context>
    <name>zelmora::Worksheet</name>
    <message>
        <source>&#x3000;&#x3000;&#x3000;組&#x3000;&#x3000;&#x3000;番&#x3000;名前</source>
        <translation>Class          No.          Name</translation>
    </message>
    <message>
        <source>解答</source>
        <translation>Answers</translation>
    </message>
    <message>
        <source>交点</source>
        <translation>Intersections</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <comment>two crossings of the list side by side</comment>
        <translation>%1   %2</translation>
    </message>
</context>
<context>
    <name>zelmora::WorksheetDialogs</name>
    <message>
        <source>1目盛り 5 mm</source>
        <translation>1 unit = 5 mm</translation>
    </message>
    <message>
        <source>1目盛り 1 cm</source>
        <translation>1 unit = 1 cm</translation>
    </message>
    <message>
        <source>問題用（線なし）(&amp;Q)</source>
        <translation>Problem sheet, no lines (&amp;Q)</translation>
    </message>
    <message>
        <source>白黒 (&amp;B)</source>
        <translation>&amp;Black and white</translation>
    </message>
    <message>
        <source>大きさ(&amp;S):</source>
        <translation>&amp;Size:</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>縦</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>横</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>原点</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>線のあるところ</source>
        <translation>Where the lines are</translation>
    </message>
    <message>
        <source>問題用（線なし）</source>
        <translation>Problem (no lines)</translation>
    </message>
    <message>
        <source>解答用</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>問題と解答</source>
        <translation>Problem and answer</translation>
    </message>
    <message>
        <source>題名(&amp;T):</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>用紙(&amp;P):</source>
        <translation>&amp;Paper:</translation>
    </message>
    <message>
        <source>向き(&amp;O):</source>
        <translation>&amp;Orientation:</translation>
    </message>
    <message>
        <source>余白(&amp;M):</source>
        <translation>&amp;Margin:</translation>
    </message>
    <message>
        <source>1目盛りの長さ(&amp;U):</source>
        <translation>&amp;Unit length:</translation>
    </message>
    <message>
        <source>中心(&amp;C):</source>
        <translation>&amp;Centre:</translation>
    </message>
    <message>
        <source>1ページの図の数(&amp;N):</source>
        <translation>Pictures per page (&amp;N):</translation>
    </message>
    <message>
        <source>種類(&amp;K):</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>図を書き出す</source>
        <translation>Export Picture</translation>
    </message>
    <message>
        <source>形式(&amp;F):</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>画面と同じ／用紙に合わせる</source>
        <translation>As on screen / fit to paper</translation>
    </message>
    <message>
        <source>書き出す…</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>用紙に合わせる</source>
        <translation>Fit to paper</translation>
    </message>
    <message>
        <source>1目盛りの長さを指定</source>
        <translation>Set the unit length</translation>
    </message>
    <message>
        <source>プレビュー…</source>
        <translation>Preview...</translation>
    </message>
    <message>
        <source>この1目盛りの長さでは、座標平面が用紙に入りません。</source>
        <translation>At this unit length the plane does not fit on the paper.</translation>
    </message>
    <message>
        <source>印刷プレビュー</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>Zelmora の使い方</source>
        <translation>How to Use Zelmora</translation>
    </message>
    <message>
        <source>&lt;h3&gt;線を引く&lt;/h3&gt;&lt;p&gt;番号の○（１～８）を選び、ａ、ｂと変域（χの範囲）を入れて「線を引く」を押します。Enter で次の欄へ進み、最後の欄で Enter を押すと「線を引く」が選ばれます。線を引くと、次の番号に進みます。&lt;/p&gt;&lt;h3&gt;分数と小数&lt;/h3&gt;&lt;p&gt;ａ、ｂは分数でも入れられます。−2/3 は &lt;b&gt;-2/3&lt;/b&gt;（全角の &lt;b&gt;－２／３&lt;/b&gt; でも、かなモードの &lt;b&gt;ー２・３&lt;/b&gt; でも）と入れます。小数は &lt;b&gt;0.5&lt;/b&gt; や &lt;b&gt;.5&lt;/b&gt;、とても大きい数や小さい数は &lt;b&gt;1E+30&lt;/b&gt; のように書けます。変域には分数を使えません。読めなかった文字があると、下に知らせが出ます。&lt;/p&gt;&lt;h3&gt;番号の○&lt;/h3&gt;&lt;p&gt;番号を選ぶと、その線の値が欄に戻ります。「線を消す」でその線を消し、「初期画面」ですべての線を消します。「小」「中」「大」で座標平面の大きさが変わります。&lt;/p&gt;&lt;h3&gt;表示&lt;/h3&gt;&lt;p&gt;「表示」メニューで、線の番号（①～⑧）、式、交点とその座標、端点、変化の割合（傾きの三角形）を一つずつ表示できます。「線を色分け」で線ごとに色を変えます。白黒で書き出し・印刷すると、色の代わりに線ごとに実線・破線・点線などの形が変わります。図が込み合って書く場所のない文字は図から省きますが、値の表と図の説明にはいつも出ます。&lt;/p&gt;&lt;h3&gt;値の表（Ctrl+T）&lt;/h3&gt;&lt;p&gt;最後に引いた（または選んだ）線の式、変域、χとyの表、変化の割合、切片、yの変域、ほかの線との交わり方を、分数のまま正確に表にします。「χの刻み」で表の刻みを選べます。「表をコピー」で表計算やワープロに貼り付けられます。表はウィンドウの横に開きます。横に場所がないときや、「表示」の「値の表をウィンドウに付ける」を選んだときは、ウィンドウの右に付いて開きます。画面が小さくて付けられないときは、図の左側に重ねて開きます。付いた表にもTabで移れます。&lt;/p&gt;&lt;h3&gt;動かして調べる（Ctrl+M）&lt;/h3&gt;&lt;p&gt;最後に引いた（または選んだ）線のａとｂを、つまみで動かせます。線はすぐに動き、式や交点、値の表もいっしょに変わります。ａは 1/2、1/3、1/4、0.1 ずつ、ｂは 1 か 1/2 ずつ動きます。つまみは ← → で一つ、PageUp PageDown で五つ、Home End で端まで動きます。「▶」を押すと、止めるまで自動で行ったり来たりします。「前の線を残す」を選ぶと、動かす前の線を灰色で残して比べられます。一回のドラッグは「元に戻す」一回でもどせます。&lt;/p&gt;&lt;h3&gt;大きく映す（F5）&lt;/h3&gt;&lt;p&gt;図だけを、プロジェクターなどのもう一つの画面いっぱいに映します。Esc か F5 で閉じます。&lt;/p&gt;&lt;h3&gt;図をたどる&lt;/h3&gt;&lt;p&gt;Tab で図に移り、← → で点を線にそってχを 1 ずつ動かします（yは変化の割合だけ変わります）。Shift+← → で座標が整数の次の点へ、Home End で線の端へ、↑ ↓ でほかの線へ移り、Esc で点を消します。点の座標と変化は読み上げられます。&lt;/p&gt;&lt;h3&gt;スクリーンリーダーで使う&lt;/h3&gt;&lt;p&gt;キーボードだけで使えます。線を引く、消す、番号を選ぶ、元に戻すなど、どの操作も何をしたかを読み上げます。Ctrl+T で値の表に移り、χとyの組を読み上げます。Esc でもとの欄に戻ります。&lt;/p&gt;&lt;h3&gt;キー&lt;/h3&gt;&lt;p&gt;Tab と Shift+Tab でボタンや欄を順に移ります。番号の○の間は矢印キーで移ります。%1。&lt;/p&gt;&lt;h3&gt;授業ファイル&lt;/h3&gt;&lt;p&gt;「ファイル」メニューで、引いた線を授業ファイル（.zelmora）に保存し、あとで開けます。ファイルをウィンドウに落としても開けます。図は PNG、SVG、PDF に書き出せ、1目盛り 5 mm や 1 cm の大きさで印刷できます。「問題用（線なし）」を選ぶと、線のない座標平面だけを書き出し・印刷します。開けないファイルは、どこがおかしいか（「3行目の12文字目」など）を知らせ、線はそのまま残ります。読めない文字や書いていない欄（０とします）があるときは、どの線のどの欄かを下に知らせます。&lt;/p&gt;&lt;h3&gt;元に戻す・やり直し&lt;/h3&gt;&lt;p&gt;「編集」の「元に戻す」（Ctrl+Z）で、線を引く・線を消す・初期画面・大きさ・新規・開く・動かすを一つずつ取り消し、「やり直し」（Ctrl+Y）でもう一度行います。欄に入力している途中の Ctrl+Z は、その欄の入力を取り消します。&lt;/p&gt;&lt;h3&gt;線をなくさないために&lt;/h3&gt;&lt;p&gt;開いた授業ファイルの線を変えると、ウィンドウの名前に「*」が付きます。保存しないまま新規・開く・終了をしようとすると、保存するかどうかをたずねます。&lt;/p&gt;&lt;p&gt;引いた線は、変えるたびに控えとして自動で残ります。停電などでプログラムが急に終わっても、次に起動して「ファイル」→「前回の線を開く」を選ぶと、前回の線がもどります。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Drawing a line&lt;/h3&gt;&lt;p&gt;Choose a line number (1 to 8), enter a, b and the domain (the range of χ), and press &quot;Draw line&quot;. Enter moves to the next box; Enter in the last box chooses &quot;Draw line&quot;. After a line is drawn, the next number is chosen.&lt;/p&gt;&lt;h3&gt;Fractions and decimals&lt;/h3&gt;&lt;p&gt;a and b may be fractions. Type −2/3 as &lt;b&gt;-2/3&lt;/b&gt; (full-width &lt;b&gt;－２／３&lt;/b&gt; and kana-mode &lt;b&gt;ー２・３&lt;/b&gt; work too). Decimals are written &lt;b&gt;0.5&lt;/b&gt; or &lt;b&gt;.5&lt;/b&gt;, very large or small numbers like &lt;b&gt;1E+30&lt;/b&gt;. The domain takes no fractions. Characters that could not be read are reported below.&lt;/p&gt;&lt;h3&gt;Line numbers&lt;/h3&gt;&lt;p&gt;Choosing a number brings that line&apos;s values back into the boxes. &quot;Erase line&quot; erases that line, &quot;Reset&quot; erases all lines. &quot;S&quot;, &quot;M&quot; and &quot;L&quot; change the size of the coordinate plane.&lt;/p&gt;&lt;h3&gt;View&lt;/h3&gt;&lt;p&gt;The View menu shows, each on its own, the line numbers (① to ⑧), the equations, the intersections with their coordinates, the end points and the rate of change (the slope triangle). &quot;Colour Each Line&quot; gives each line its own colour. Exported or printed in black and white, each line gets its own pattern (solid, dashed, dotted and so on) instead. Labels with no free place in a crowded picture are left out of it, but always appear in the table of values and the picture&apos;s description.&lt;/p&gt;&lt;h3&gt;Table of values (Ctrl+T)&lt;/h3&gt;&lt;p&gt;For the line drawn (or chosen) last: its equation, domain, a table of χ and y, the rate of change, the intercept, the range of y and how it meets the other lines, exactly, in fractions. &quot;χ step&quot; chooses the table&apos;s step. &quot;Copy Table&quot; pastes it into a spreadsheet or word processor. The table opens beside the window; when there is no room beside it, or when &quot;Dock the Table to the Window&quot; is chosen in the View menu, it opens docked on the window&apos;s right. On a screen too small for that, it opens over the left of the picture instead. Docked, Tab reaches it too.&lt;/p&gt;&lt;h3&gt;Move and explore (Ctrl+M)&lt;/h3&gt;&lt;p&gt;Sliders move a and b of the line drawn (or chosen) last. The line moves at once, and its equation, intersections and table of values change with it. a moves in steps of 1/2, 1/3, 1/4 or 0.1, b in steps of 1 or 1/2. A slider moves one step with ← →, five with PageUp PageDown, and to its end with Home End. &quot;▶&quot; moves it back and forth until it is stopped. &quot;Keep the Previous Line&quot; leaves the line as it was before in grey, to compare. One drag is undone by one &quot;Undo&quot;.&lt;/p&gt;&lt;h3&gt;Projector (F5)&lt;/h3&gt;&lt;p&gt;Shows the picture alone, filling a second screen such as a projector. Esc or F5 closes it.&lt;/p&gt;&lt;h3&gt;Tracing the picture&lt;/h3&gt;&lt;p&gt;Tab moves to the picture; ← → move a point along the line, χ by 1 at a time (y changes by the rate of change). Shift+← → go to the next point with whole coordinates, Home End to the line&apos;s ends, ↑ ↓ to the other lines, and Esc removes the point. The point&apos;s coordinates and changes are read out.&lt;/p&gt;&lt;h3&gt;With a screen reader&lt;/h3&gt;&lt;p&gt;Everything works from the keyboard. Every action (drawing, erasing, choosing a number, undoing and so on) says what it did. Ctrl+T moves to the table of values, which reads out the pairs of χ and y. Esc goes back to the box you were in.&lt;/p&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;p&gt;Tab and Shift+Tab move through the buttons and boxes; the arrow keys move between the line numbers. %1.&lt;/p&gt;&lt;h3&gt;Lesson files&lt;/h3&gt;&lt;p&gt;The File menu saves the lines drawn in a lesson file (.zelmora) to open later; dropping a file on the window opens it too. The picture can be exported as PNG, SVG or PDF and printed at 5 mm or 1 cm a unit. &quot;Problem sheet, no lines&quot; exports or prints the coordinate plane alone. For a file that cannot be opened, the program says what is wrong where (such as &quot;line 3, character 12&quot;) and the lines stay as they were. Unreadable characters and empty boxes (taken as 0) are reported below, with the line and the box.&lt;/p&gt;&lt;h3&gt;Undo and redo&lt;/h3&gt;&lt;p&gt;Edit → Undo (Ctrl+Z) takes back drawing, erasing, reset, size, new, open and moving, one at a time; Redo (Ctrl+Y) does it again. Ctrl+Z while typing in a box takes back the typing in that box.&lt;/p&gt;&lt;h3&gt;Never losing your lines&lt;/h3&gt;&lt;p&gt;Changing the lines of an open lesson file puts &quot;*&quot; in the window&apos;s title. New, Open or Exit without saving asks whether to save.&lt;/p&gt;&lt;p&gt;The lines are kept automatically each time they change. If the program ends suddenly, for example in a power cut, start it again and choose File → Open the Last Lines to get the lines back.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>PNG 画像（画面と同じ）</source>
        <translation>PNG image (as on screen)</translation>
    </message>
    <message>
        <source>PNG 画像 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>PNG 画像（2倍）</source>
        <translation>PNG image (2×)</translation>
    </message>
    <message>
        <source>PNG 画像（4倍、印刷所向け）</source>
        <translation>PNG image (4×, for printers)</translation>
    </message>
    <message>
        <source>SVG 図（拡大しても鮮明）</source>
        <translation>SVG drawing (sharp at any size)</translation>
    </message>
    <message>
        <source>SVG 図 (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>PDF 文書（A4）</source>
        <translation>PDF document (A4)</translation>
    </message>
    <message>
        <source>PDF 文書 (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>画面と同じ</source>
        <translation>as on screen</translation>
    </message>
    <message>
        <source>−N〜N、N = </source>
        <translation>−N to N, N = </translation>
    </message>
    <message>
        <source>目盛りの数（PDF）(&amp;N):</source>
        <translation>Units shown (PDF)(&amp;N):</translation>
    </message>
    <message>
        <source>座標平面を白に（インクを減らす）(&amp;W)</source>
        <translation>White plane (saves ink)(&amp;W)</translation>
    </message>
    <message>
        <source>題名が長すぎて、用紙に入りません。</source>
        <translation>The title is too long for the paper.</translation>
    </message>
    <message>
        <source>線 %1 は座標平面の外にあり、印刷されません。中心を「線のあるところ」にすると入ります。</source>
        <translation>Line %1 lies off its plane and will not be printed. Centring on the lines brings it in.</translation>
    </message>
    <message>
        <source>、</source>
        <comment>between the line numbers of a list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>問題用の点は名前だけ(&amp;A)</source>
        <translation>Points n&amp;amed only on problem sheets</translation>
    </message>
    <message>
        <source>練習プリント</source>
        <translation>Practice sheet</translation>
    </message>
    <message>
        <source>いろいろ</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>問題の種類(&amp;R):</source>
        <translation>Task t&amp;ype:</translation>
    </message>
    <message>
        <source>数(&amp;L):</source>
        <translation>&amp;Level:</translation>
    </message>
    <message>
        <source>問題の数(&amp;E):</source>
        <translation>Numb&amp;er of tasks:</translation>
    </message>
    <message>
        <source>問題番号(&amp;I):</source>
        <translation>Set &amp;ID:</translation>
    </message>
    <message>
        <source>何通り(&amp;V):</source>
        <translation>&amp;Versions:</translation>
    </message>
    <message>
        <source>&lt;h3&gt;点と直線&lt;/h3&gt;&lt;p&gt;「編集」の「点をとる」を選ぶと、図をクリックするか、矢印キーと Enter で点をとれます（Esc で終わります）。「点を入力…」では名前と座標を入れて点をとります。「2点を通る直線…」は二つの点の名前から、「傾きと1点…」は傾きと一つの点の座標から、今の番号に線を引きます。「表示」の「表の点をとる」は、値の表の点を図にとります。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Points and lines&lt;/h3&gt;&lt;p&gt;With Edit → Plot points chosen, click the picture, or use the arrow keys and Enter, to plot a point (Esc ends it). Enter a point... plots a point from its name and coordinates. Line through two points... draws a line through two named points, and Slope and a point... a line from its slope and the coordinates of one point, both in the current line number. View → Plot the table&apos;s points plots the points of the table of values on the picture.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;式で入力（Ctrl+Shift+E）&lt;/h3&gt;&lt;p&gt;「編集」の「式で入力…」で、&lt;b&gt;2χ + 3y = 6&lt;/b&gt;、&lt;b&gt;y = -2/3χ + 1&lt;/b&gt;、&lt;b&gt;χ = 3&lt;/b&gt; のような式をそのまま入れて、今の番号の線を引けます。χは x でも入れられます。変域は &lt;b&gt;2χ + 3y = 6, -3 &amp;lt;= χ &amp;lt;= 3&lt;/b&gt; のように後ろに書きます。書かないと、見えている座標平面のはしからはしまで引きます。&lt;b&gt;χ = 3&lt;/b&gt; のような縦の線も引けます。読めない式は、何文字目がおかしいかを知らせ、線は変わりません。&lt;/p&gt;&lt;h3&gt;yの変域と白丸&lt;/h3&gt;&lt;p&gt;「表示」の「yの変域」で、最後に引いた（または選んだ）線のyの変域を y軸の上に太い線で示し、「−1 ≦ y ≦ 3」と書きます。線の端を右クリックして「端を含まない（白丸）」を選ぶと、その端は白丸になり、変域は「−3 &amp;lt; χ ≦ 3」のように書かれます（図に移って Home か End で端に点を置き、Menu キーでも選べます）。「式で入力」でも、変域を &lt;b&gt;-3 &amp;lt; χ &amp;lt;= 3&lt;/b&gt; のように「&amp;lt;」で書くと、その端を含みません。値の表では、含まない端でのyの値を ( ) に入れて示します。&lt;/p&gt;&lt;h3&gt;練習（Ctrl+R）&lt;/h3&gt;&lt;p&gt;「練習」の「練習する…」で練習のウィンドウが開きます。種類（式を求める・変域・交点）、数（整数・分数・まぜる）、問題の数、問題番号を選んで「始める」を押します。答えを二つの欄に入れ、二つ目の欄で Enter を押すと答え合わせをします。分数は -2/3 のように入れます。まちがえたところを教え、自分の線を朱色でかきます。「ヒント」を押すと順にヒントが出て、「次へ」でとばせます。最後に「10問中8問正解」とまちがえた問題が出ます。図に移ると、← → で線をたどれます。問題番号が同じなら、どのコンピューターでも同じ問題になります。&lt;/p&gt;&lt;p&gt;「練習プリントを印刷…」（印刷の種類「練習プリント」）で、問題番号とそれに続く番号から、一人ずつちがう練習プリントを解答付きで印刷できます。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Type an equation (Ctrl+Shift+E)&lt;/h3&gt;&lt;p&gt;Edit → Type an equation... takes an equation as it is, such as &lt;b&gt;2χ + 3y = 6&lt;/b&gt;, &lt;b&gt;y = -2/3χ + 1&lt;/b&gt; or &lt;b&gt;χ = 3&lt;/b&gt;, and draws it in the current slot. χ may be typed as x. A domain goes after it: &lt;b&gt;2χ + 3y = 6, -3 &amp;lt;= χ &amp;lt;= 3&lt;/b&gt;; without one, the line runs from edge to edge of the plane shown. Vertical lines such as &lt;b&gt;χ = 3&lt;/b&gt; can be drawn too. An equation that cannot be read is refused with the place of the fault, and the lines stay as they are.&lt;/p&gt;&lt;h3&gt;Range of y and hollow dots&lt;/h3&gt;&lt;p&gt;View → Range of y marks the range of y of the line drawn or chosen last as a thick bar on the y axis, labelled &quot;−1 ≦ y ≦ 3&quot;. Right-click an end of a line and choose &quot;Leave out the end (hollow dot)&quot;: the end becomes a hollow dot and the domain is written &quot;−3 &amp;lt; χ ≦ 3&quot; (from the keyboard: move to the picture, put the point on the end with Home or End, and press the Menu key). In Type an equation, a domain written with &quot;&amp;lt;&quot;, such as &lt;b&gt;-3 &amp;lt; χ &amp;lt;= 3&lt;/b&gt;, leaves that end out too. The table of values puts the y at an end left out in brackets ( ).&lt;/p&gt;&lt;h3&gt;Practice (Ctrl+R)&lt;/h3&gt;&lt;p&gt;Practice → Practise... opens the practice window. Choose the kind (find the equation, range, crossing), the numbers (whole, fractions, mixed), how many tasks and a set number, then press Start. Type the answer into the two boxes; Enter in the second box checks it. Type fractions as -2/3. A wrong answer names the part that is wrong and draws your line in vermilion. Hint gives the hints in order, and Next passes a task by. At the end you see &quot;8 of 10 right&quot; and the tasks missed. On the plane, ← → trace the line. The same set number gives the same tasks on every computer.&lt;/p&gt;&lt;p&gt;Print a Practice Sheet... (or the print kind &quot;Practice sheet&quot;) prints a different sheet for each pupil, with its answers, from a set number and the numbers after it.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>zelmora::messages</name>
    <message>
        <source>１２３４５６７８</source>
        <translation>12345678</translation>
    </message>
    <message>
        <source>変域の下限</source>
        <translation>lower bound</translation>
    </message>
    <message>
        <source>変域の上限</source>
        <translation>upper bound</translation>
    </message>
    <message>
        <source>%1の分母が０です。</source>
        <translation>The denominator of %1 is 0.</translation>
    </message>
    <message>
        <source>%1の分母が大きすぎます。</source>
        <translation>The denominator of %1 is too large.</translation>
    </message>
    <message>
        <source>%1の値が大きすぎます。</source>
        <translation>%1 is too large.</translation>
    </message>
    <message>
        <source>変域</source>
        <translation>domain</translation>
    </message>
    <message>
        <source>%1の「%2」は読みませんでした。</source>
        <translation>Ignored &quot;%2&quot; in %1.</translation>
    </message>
    <message>
        <source>図をコピーしました。</source>
        <translation>Picture copied.</translation>
    </message>
    <message>
        <source>線%1の</source>
        <translation>Line %1, </translation>
    </message>
    <message>
        <source>ファイルが空です。</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（1MiBまで）。</source>
        <translation>The file is too large (1 MiB at most).</translation>
    </message>
    <message>
        <source>文字がUTF-8で書かれていません。</source>
        <translation>The text is not UTF-8.</translation>
    </message>
    <message>
        <source>%1行目の%2文字目の書き方が正しくありません。</source>
        <translation>Wrong syntax at line %1, character %2.</translation>
    </message>
    <message>
        <source>ファイルの書き方が正しくありません。</source>
        <translation>The file is not written correctly.</translation>
    </message>
    <message>
        <source>Zelmoraの授業ファイルではありません。</source>
        <translation>Not a Zelmora lesson file.</translation>
    </message>
    <message>
        <source>%1「%2」がありません。</source>
        <translation>%1&quot;%2&quot; is missing.</translation>
    </message>
    <message>
        <source>%1「%2」の値の種類が違います。</source>
        <translation>%1&quot;%2&quot; has a bad value.</translation>
    </message>
    <message>
        <source>版の番号が正しくありません。</source>
        <translation>The version number is wrong.</translation>
    </message>
    <message>
        <source>このファイルは新しい版のZelmoraで作られています。</source>
        <translation>This file was made by a newer Zelmora.</translation>
    </message>
    <message>
        <source>大きさは%1のどれかです。</source>
        <translation>The size is one of%1.</translation>
    </message>
    <message>
        <source>題名は200字までです。</source>
        <translation>The title has 200 characters at most.</translation>
    </message>
    <message>
        <source>線の番号は１から８までです。</source>
        <translation>Line numbers go from 1 to 8.</translation>
    </message>
    <message>
        <source>線%1が二度あります。</source>
        <translation>Line %1 is there twice.</translation>
    </message>
    <message>
        <source>同じ線の番号が二度あります。</source>
        <translation>A line number is there twice.</translation>
    </message>
    <message>
        <source>「slots」の中の書き方が正しくありません。</source>
        <translation>&quot;slots&quot; is not written correctly.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>File not found.</translation>
    </message>
    <message>
        <source>ふつうのファイルではありません。</source>
        <translation>Not a regular file.</translation>
    </message>
    <message>
        <source>ファイルを読めません。</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>保存できません。書き込みが許されていません。</source>
        <translation>Cannot save: writing is not allowed.</translation>
    </message>
    <message>
        <source>保存できませんでした。</source>
        <translation>Could not save.</translation>
    </message>
    <message>
        <source>「%1」を開けませんでした。</source>
        <translation>Could not open &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>線%1の%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>保存しました。</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>書き出せるのはPNG、SVG、PDFです。</source>
        <translation>Export writes PNG, SVG or PDF.</translation>
    </message>
    <message>
        <source>書き出せませんでした。</source>
        <translation>Could not export.</translation>
    </message>
    <message>
        <source>図を書き出しました。</source>
        <translation>Picture exported.</translation>
    </message>
    <message>
        <source>線%1を引く</source>
        <translation>Draw line %1</translation>
    </message>
    <message>
        <source>線%1を消す</source>
        <translation>Erase line %1</translation>
    </message>
    <message>
        <source>初期画面</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>大きさを%1に</source>
        <translation>Size %1</translation>
    </message>
    <message>
        <source>新規</source>
        <translation>New</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>前回の線を開く</source>
        <translation>Open the Last Lines</translation>
    </message>
    <message>
        <source>線%1を動かす</source>
        <translation>Move line %1</translation>
    </message>
    <message>
        <source>元に戻す：%1(&amp;U)</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し：%1(&amp;R)</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>「%1」への変更を保存しますか？</source>
        <translation>Save the changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>保存しないと、この変更はなくなります。</source>
        <translation>If you do not save, the changes are lost.</translation>
    </message>
    <message>
        <source>線の控えを保存できません。このまま続けられます。</source>
        <translation>The lines cannot be kept. You can go on.</translation>
    </message>
    <message>
        <source>次の起動から English になります。</source>
        <translation>English from the next start.</translation>
    </message>
    <message>
        <source>次の起動から日本語になります。</source>
        <translation>Japanese (日本語) from the next start.</translation>
    </message>
    <message>
        <source>前回の線を読めませんでした。</source>
        <translation>The last lines could not be read.</translation>
    </message>
    <message>
        <source>%1がないので、０としました。</source>
        <translation>%1 was missing; 0 is used.</translation>
    </message>
    <message>
        <source>線%1の式：%2</source>
        <translation>Line %1&apos;s equation: %2</translation>
    </message>
    <message>
        <source>式を入れてください。</source>
        <translation>Type an equation.</translation>
    </message>
    <message>
        <source>%1文字目の「%2」が読めません。</source>
        <translation>Character %1, &quot;%2&quot;, cannot be read.</translation>
    </message>
    <message>
        <source>「＝」がありません。</source>
        <translation>There is no &quot;=&quot;.</translation>
    </message>
    <message>
        <source>%1文字目に２つ目の「＝」があります。</source>
        <translation>Character %1 is a second &quot;=&quot;.</translation>
    </message>
    <message>
        <source>式が途中で終わっています。</source>
        <translation>The equation stops short.</translation>
    </message>
    <message>
        <source>%1文字目の「%2」の前に項がありません。</source>
        <translation>No term before character %1, &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>%1文字目の分母が０です。</source>
        <translation>The denominator at character %1 is 0.</translation>
    </message>
    <message>
        <source>χもyもない式です。</source>
        <translation>The equation has neither χ nor y.</translation>
    </message>
    <message>
        <source>ａ、ｂかχの値が大きすぎます。</source>
        <translation>a, b or χ is too large.</translation>
    </message>
    <message>
        <source>%1文字目の数が大きすぎます。</source>
        <translation>The number at character %1 is too large.</translation>
    </message>
    <message>
        <source>%1文字目：この直線の変域は%2で書きます。</source>
        <translation>Character %1: write this line&apos;s domain in %2.</translation>
    </message>
    <message>
        <source>%1文字目からの変域は、下限が上限より大きくなっています。</source>
        <translation>The domain at character %1 runs from high to low.</translation>
    </message>
    <message>
        <source>式がａとｂの直線になりません。</source>
        <translation>The equation is not the line of a and b.</translation>
    </message>
    <message>
        <source>問題%1の</source>
        <translation>Task %1, </translation>
    </message>
    <message>
        <source>%1「kind」は equation、graph、range、crossing のどれかです。</source>
        <translation>%1&quot;kind&quot; is one of equation, graph, range, crossing.</translation>
    </message>
    <message>
        <source>%1線に、数として読めない値があります。</source>
        <translation>%1a line has a value that is not a number.</translation>
    </message>
    <message>
        <source>%1二本の線が一点で交わりません。</source>
        <translation>%1the two lines do not cross at one point.</translation>
    </message>
    <message>
        <source>「%1」に保存できませんでした。</source>
        <translation>Could not save %1.</translation>
    </message>
    <message>
        <source>「%1」を開きました。次のところは読み方を変えました。</source>
        <translation>Opened %1. These were read differently:</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>線%1：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>（ａ、ｂなし）</source>
        <translation> (no a, b)</translation>
    </message>
    <message>
        <source>線%1は χ＝の直線なので、変化の割合はありません。</source>
        <translation>Line %1 is a line χ = h: it has no rate of change.</translation>
    </message>
    <message>
        <source>線%1は長さ０の線です（χは%2から%2まで）。</source>
        <translation>Line %1 has length 0 (χ from %2 to %2).</translation>
    </message>
    <message>
        <source>「%1」</source>
        <comment>a size&apos;s name as a lesson file writes it</comment>
        <translation> &quot;%1&quot;</translation>
    </message>
    <message>
        <source>点「%1」の名前か座標が正しくありません（名前は4文字まで、同じ名前は1つだけ）。</source>
        <translation>Point &quot;%1&quot; has a wrong name or coordinate (names of up to 4 characters, each name once).</translation>
    </message>
    <message>
        <source>点は26個までです。</source>
        <translation>At most 26 points.</translation>
    </message>
    <message>
        <source>%1「through」の点「%2」がないか、2点が同じです。</source>
        <translation>%1&quot;through&quot;: point &quot;%2&quot; is missing, or both points are the same.</translation>
    </message>
    <message>
        <source>点をとる</source>
        <translation>Plot point</translation>
    </message>
    <message>
        <source>点を消す</source>
        <translation>Delete point</translation>
    </message>
    <message>
        <source>表の点をとる</source>
        <translation>Plot the table&apos;s points</translation>
    </message>
    <message>
        <source>点の名前を入れてください。</source>
        <translation>Enter the point&apos;s name.</translation>
    </message>
    <message>
        <source>点の名前は4文字までです。</source>
        <translation>A point&apos;s name has at most 4 characters.</translation>
    </message>
    <message>
        <source>点の%1座標が数として読めません。</source>
        <translation>The point&apos;s %1 is not a number.</translation>
    </message>
    <message>
        <source>点の%1座標の分母が０です。</source>
        <translation>The point&apos;s %1 has a denominator of 0.</translation>
    </message>
    <message>
        <source>点の%1座標の値が大きすぎます。</source>
        <translation>The point&apos;s %1 is too large.</translation>
    </message>
    <message>
        <source>点%1がありません。</source>
        <translation>There is no point %1.</translation>
    </message>
    <message>
        <source>2点が同じ点なので、直線が決まりません。</source>
        <translation>Both points are the same, so they give no line.</translation>
    </message>
    <message>
        <source>ａかｂの桁が多すぎて、欄に書けません。</source>
        <translation>a or b has too many digits for the boxes.</translation>
    </message>
    <message>
        <source>点%1を消しました。</source>
        <translation>Point %1 deleted.</translation>
    </message>
    <message>
        <source>点%1(%2, %3)をとりました。</source>
        <translation>%1(%2, %3) plotted.</translation>
    </message>
    <message>
        <source>図の外です。</source>
        <translation>Off the picture.</translation>
    </message>
    <message>
        <source>線%1の端</source>
        <translation>End of line %1</translation>
    </message>
    <message>
        <source>変域が１点だけなので、端を含まないことはできません。</source>
        <translation>A one-point domain has no end to leave out.</translation>
    </message>
    <message>
        <source>線%1の端 (%2, %3) を含まない（白丸）</source>
        <translation>Leave out the end (%2, %3) of line %1 (hollow dot)</translation>
    </message>
    <message>
        <source>クリックか矢印キーとEnterで点をとります。Escで終わり。</source>
        <translation>Click, or arrow keys and Enter, to plot a point. Esc ends.</translation>
    </message>
</context>
<context>
    <name>zelmora::practiceWords</name>
    <message>
        <source>%1≦χ≦%2</source>
        <translation>%1 ≦ χ ≦ %2</translation>
    </message>
    <message>
        <source>エックス%1、y%2</source>
        <translation>x %1, y %2</translation>
    </message>
    <message>
        <source>式を求める</source>
        <translation>Find the equation</translation>
    </message>
    <message>
        <source>グラフをかく</source>
        <translation>Draw the graph</translation>
    </message>
    <message>
        <source>変域</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>交点</source>
        <translation>Crossing</translation>
    </message>
    <message>
        <source>整数</source>
        <translation>Whole numbers</translation>
    </message>
    <message>
        <source>分数</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>まぜる</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>問題 %1/%2</source>
        <translation>Task %1/%2</translation>
    </message>
    <message>
        <source>問題 %1/%2（問題番号 %3）</source>
        <translation>Task %1/%2 (set %3)</translation>
    </message>
    <message>
        <source>この直線の式 y＝aχ＋b の a と b を求めましょう。</source>
        <translation>Find a and b of this line&apos;s equation y = aχ + b.</translation>
    </message>
    <message>
        <source>%1 のグラフをかきましょう。</source>
        <translation>Draw the graph of %1.</translation>
    </message>
    <message>
        <source>%1（%2）のとき、y の変域を求めましょう。</source>
        <translation>Find the range of y for %1 (%2).</translation>
    </message>
    <message>
        <source>%1 と %2 のグラフの交点の座標を求めましょう。</source>
        <translation>Find where the graphs of %1 and %2 cross.</translation>
    </message>
    <message>
        <source>ａ</source>
        <translation>a</translation>
    </message>
    <message>
        <source>ｂ</source>
        <translation>b</translation>
    </message>
    <message>
        <source>yの最小値</source>
        <translation>least y</translation>
    </message>
    <message>
        <source>yの最大値</source>
        <translation>greatest y</translation>
    </message>
    <message>
        <source>χ</source>
        <translation>χ</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>正解</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>%1は合っています。</source>
        <translation>%1 is right. </translation>
    </message>
    <message>
        <source>%1は近いですが、分数で書きましょう。</source>
        <translation>%1 is close; write it as a fraction. </translation>
    </message>
    <message>
        <source>%1がちがいます。</source>
        <translation>%1 is wrong. </translation>
    </message>
    <message>
        <source>%1は数として読めません。</source>
        <translation>%1 cannot be read as a number. </translation>
    </message>
    <message>
        <source>直線は、格子点 %1 と %2 を通ります。</source>
        <translation>The line passes through the lattice points %1 and %2.</translation>
    </message>
    <message>
        <source>χが%1増えるとyは%2減ります。</source>
        <translation>When χ grows by %1, y falls by %2.</translation>
    </message>
    <message>
        <source>χが%1増えるとyは%2増えます。</source>
        <translation>When χ grows by %1, y grows by %2.</translation>
    </message>
    <message>
        <source>直線は y 軸と %1 で交わります。</source>
        <translation>The line meets the y axis at %1.</translation>
    </message>
    <message>
        <source>線の両はしは %1 と %2 です。</source>
        <translation>The segment&apos;s ends are %1 and %2.</translation>
    </message>
    <message>
        <source>交点に○をつけました。まわりの格子点から読みましょう。</source>
        <translation>The crossing is ringed; read it from the lattice points around it.</translation>
    </message>
    <message>
        <source>答え：%1</source>
        <translation>Answer: %1</translation>
    </message>
    <message>
        <source>%1≦y≦%2</source>
        <translation>%1 ≦ y ≦ %2</translation>
    </message>
    <message>
        <source>%1問中%2問正解</source>
        <translation>%2 of %1 right</translation>
    </message>
    <message>
        <source>問題%1：%2</source>
        <translation>Task %1: %2</translation>
    </message>
    <message>
        <source>線%1：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>1つ目の点</source>
        <translation>first point</translation>
    </message>
    <message>
        <source>2つ目の点</source>
        <translation>second point</translation>
    </message>
    <message>
        <source>χは%1から%2まで、yは%3から%4まで見えています</source>
        <translation>x from %1 to %2 and y from %3 to %4 are shown</translation>
    </message>
    <message>
        <source>線はまだありません</source>
        <translation>No line is drawn yet</translation>
    </message>
    <message>
        <source>直線が1本、χは%1から%2まで引かれています</source>
        <translation>One line is drawn, x from %1 to %2</translation>
    </message>
    <message>
        <source>%1の線が、χは%2から%3まで引かれています</source>
        <translation>The line %1 is drawn, x from %2 to %3</translation>
    </message>
    <message>
        <source>あなたの線：%1</source>
        <translation>Your line: %1</translation>
    </message>
    <message>
        <source>あなたの点：%1</source>
        <translation>Your point: %1</translation>
    </message>
    <message>
        <source>たどっている点：%1</source>
        <translation>Tracing point: %1</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>問題の線：%1</source>
        <translation>The task&apos;s line: %1</translation>
    </message>
    <message>
        <source> と </source>
        <translation> and </translation>
    </message>
    <message>
        <source>カーソル：%1</source>
        <translation>Cursor: %1</translation>
    </message>
    <message>
        <source>グラフが通る点を2つ、座標平面でクリックするか、矢印キーで動かしてEnterでとりましょう。「−3, 3」のように χ, y で入れることもできます。</source>
        <translation>Put two points the graph passes through on the plane: click, or move with the arrow keys and press Enter. You can also type them as x, y like &quot;-3, 3&quot;.</translation>
    </message>
</context>
</TS>
