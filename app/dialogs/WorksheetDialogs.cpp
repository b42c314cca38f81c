// SPDX-License-Identifier: MIT
#include "app/dialogs/WorksheetDialogs.h"

#include "app/session/Settings.h"
#include "app/words/PracticeWords.h"
#include "output/PracticeSheet.h"
#include "output/Worksheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

// The catalogue's context for the export and print dialogs.
struct WorksheetDialogs {
    Q_DECLARE_TR_FUNCTIONS(zelmora::WorksheetDialogs)
};

// The print dialog's kinds are SheetKind's, and then the practice sheet.
constexpr int practiceSheetKind = -1;

// The scale of a worksheet: one plane unit in millimetres, or 0 for as large as the page allows.
QComboBox* scaleChoice(QWidget* parent, const QString& fitting)
{
    auto* scale = new QComboBox(parent);
    scale->setObjectName(u"Scale"_s);
    scale->addItem(WorksheetDialogs::tr("1目盛り 5 mm"), 5.0);
    scale->addItem(WorksheetDialogs::tr("1目盛り 1 cm"), 10.0);
    scale->addItem(fitting, 0.0);
    return scale;
}

void selectData(QComboBox* box, const QVariant& data)
{
    const int index = box->findData(data);
    if (index >= 0)
        box->setCurrentIndex(index);
}

QString pointNamesCaption()
{
    return WorksheetDialogs::tr("問題用の点は名前だけ(&A)");
}

// The choices both dialogs share: scale, a problem sheet, black and white.
struct SheetChoices {
    QComboBox* Scale = nullptr;
    QCheckBox* Problem = nullptr;
    QCheckBox* PointNames = nullptr;
    QCheckBox* BlackAndWhite = nullptr;

    SheetChoices(QDialog& dialog, QFormLayout& form, const QString& fitting)
        : Scale(scaleChoice(&dialog, fitting))
        , Problem(new QCheckBox(WorksheetDialogs::tr("問題用（線なし）(&Q)"), &dialog))
        , PointNames(new QCheckBox(pointNamesCaption(), &dialog))
        , BlackAndWhite(new QCheckBox(WorksheetDialogs::tr("白黒 (&B)"), &dialog))
    {
        Problem->setObjectName(u"Problem"_s);
        PointNames->setObjectName(u"PointNamesOnly"_s);
        BlackAndWhite->setObjectName(u"BlackAndWhite"_s);
        form.addRow(WorksheetDialogs::tr("大きさ(&S):"), Scale);
        form.addRow(QString(), Problem);
        form.addRow(QString(), PointNames);
        form.addRow(QString(), BlackAndWhite);
    }

    PictureSettings settings() const
    {
        PictureSettings settings;
        settings.UnitMillimetres = Scale->currentData().toDouble();
        settings.Problem = Problem->isChecked();
        settings.PointNamesOnly = PointNames->isChecked();
        settings.BlackAndWhite = BlackAndWhite->isChecked();
        return settings;
    }

    void restore(const ExportRemembered& remembered)
    {
        selectData(Scale, remembered.UnitMillimetres);
        Problem->setChecked(remembered.Problem);
        PointNames->setChecked(remembered.PointNamesOnly);
        BlackAndWhite->setChecked(remembered.BlackAndWhite);
    }

    void remember(ExportRemembered& remembered) const
    {
        remembered.UnitMillimetres = Scale->currentData().toDouble();
        remembered.Problem = Problem->isChecked();
        remembered.PointNamesOnly = PointNames->isChecked();
        remembered.BlackAndWhite = BlackAndWhite->isChecked();
    }
};

QDialogButtonBox* buttons(QDialog& dialog, const QString& accept)
{
    auto* box = new QDialogButtonBox(&dialog);
    box->addButton(accept, QDialogButtonBox::AcceptRole)->setDefault(true);
    box->addButton(WorksheetDialogs::tr("キャンセル"), QDialogButtonBox::RejectRole);
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return box;
}

// The label and the filter are UTF-8, in the catalogue.
struct FormatChoice {
    const char* Label;
    const char16_t* Suffix;
    const char* Filter;
    int PngScale; // 0: the screen's own pixels
};

constexpr FormatChoice formats[] = {
    {QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "PNG 画像（画面と同じ）"), u"png",
        QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "PNG 画像 (*.png)"), 0},
    {QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "PNG 画像（2倍）"), u"png",
        QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "PNG 画像 (*.png)"), 2},
    {QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "PNG 画像（4倍、印刷所向け）"), u"png",
        QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "PNG 画像 (*.png)"), 4},
    {QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "SVG 図（拡大しても鮮明）"), u"svg",
        QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "SVG 図 (*.svg)"), 1},
    {QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "PDF 文書（A4）"), u"pdf",
        QT_TRANSLATE_NOOP("zelmora::WorksheetDialogs", "PDF 文書 (*.pdf)"), 1},
};

// The choices of the print dialog beyond the shared ones: the paper, the planes on a page and what
// each sheet holds.
struct PrintChoices {
    QComboBox* PaperSize = nullptr;
    QComboBox* Orientation = nullptr;
    QDoubleSpinBox* Margin = nullptr;
    QDoubleSpinBox* Unit = nullptr;
    QComboBox* Centre = nullptr;
    QComboBox* PerPage = nullptr;
    QComboBox* Kind = nullptr;
    QCheckBox* PointNames = nullptr;
    QLineEdit* Title = nullptr;

    PrintChoices(QDialog& dialog, QFormLayout& form)
        : PaperSize(new QComboBox(&dialog))
        , Orientation(new QComboBox(&dialog))
        , Margin(new QDoubleSpinBox(&dialog))
        , Unit(new QDoubleSpinBox(&dialog))
        , Centre(new QComboBox(&dialog))
        , PerPage(new QComboBox(&dialog))
        , Kind(new QComboBox(&dialog))
        , PointNames(new QCheckBox(pointNamesCaption(), &dialog))
        , Title(new QLineEdit(&dialog))
    {
        PaperSize->setObjectName(u"Paper"_s);
        for (const PaperChoice& paper : Papers)
            PaperSize->addItem(QString::fromUtf16(paper.Name), static_cast<int>(paper.Id));
        Orientation->setObjectName(u"Orientation"_s);
        Orientation->addItem(WorksheetDialogs::tr("縦"), false);
        Orientation->addItem(WorksheetDialogs::tr("横"), true);
        Margin->setObjectName(u"Margin"_s);
        Margin->setRange(5, 30);
        Margin->setDecimals(0);
        Margin->setSuffix(u" mm"_s);
        Margin->setValue(10);
        Unit->setObjectName(u"UnitMillimetres"_s);
        Unit->setRange(MinUnitMillimetres, MaxUnitMillimetres);
        Unit->setDecimals(1);
        Unit->setSingleStep(0.5);
        Unit->setSuffix(u" mm"_s);
        Unit->setValue(5);
        Centre->setObjectName(u"Centre"_s);
        Centre->addItem(WorksheetDialogs::tr("原点"), false);
        Centre->addItem(WorksheetDialogs::tr("線のあるところ"), true);
        PerPage->setObjectName(u"PerPage"_s);
        for (const int count : PlanesPerPage)
            PerPage->addItem(QString::number(count), count);
        Kind->setObjectName(u"Kind"_s);
        Kind->addItem(WorksheetDialogs::tr("問題用（線なし）"), static_cast<int>(SheetKind::Problem));
        Kind->addItem(WorksheetDialogs::tr("解答用"), static_cast<int>(SheetKind::Answer));
        Kind->addItem(WorksheetDialogs::tr("問題と解答"), static_cast<int>(SheetKind::ProblemAndAnswer));
        Kind->addItem(WorksheetDialogs::tr("練習プリント"), practiceSheetKind);
        Title->setObjectName(u"Title"_s);
        Title->setMaxLength(200);
        form.addRow(WorksheetDialogs::tr("題名(&T):"), Title);
        form.addRow(WorksheetDialogs::tr("用紙(&P):"), PaperSize);
        form.addRow(WorksheetDialogs::tr("向き(&O):"), Orientation);
        form.addRow(WorksheetDialogs::tr("余白(&M):"), Margin);
        form.addRow(WorksheetDialogs::tr("1目盛りの長さ(&U):"), Unit);
        form.addRow(WorksheetDialogs::tr("中心(&C):"), Centre);
        form.addRow(WorksheetDialogs::tr("1ページの図の数(&N):"), PerPage);
        form.addRow(WorksheetDialogs::tr("種類(&K):"), Kind);
        PointNames->setObjectName(u"PointNamesOnly"_s);
        form.addRow(QString(), PointNames);
    }

    void restore(const PrintRemembered& remembered)
    {
        selectData(PaperSize, static_cast<int>(remembered.PaperSize));
        selectData(Orientation, remembered.Landscape);
        Margin->setValue(remembered.MarginMillimetres);
        Unit->setValue(remembered.TypedUnitMillimetres);
        selectData(Centre, remembered.CentreOnLines);
        selectData(PerPage, remembered.PerPage);
        selectData(Kind, static_cast<int>(remembered.Kind));
        PointNames->setChecked(remembered.PointNamesOnly);
    }

    void remember(PrintRemembered& remembered) const
    {
        remembered.PaperSize = static_cast<Paper>(PaperSize->currentData().toInt());
        remembered.Landscape = Orientation->currentData().toBool();
        remembered.MarginMillimetres = Margin->value();
        remembered.TypedUnitMillimetres = Unit->value();
        remembered.CentreOnLines = Centre->currentData().toBool();
        remembered.PerPage = PerPage->currentData().toInt();
        remembered.Kind = static_cast<SheetKind>(Kind->currentData().toInt());
        remembered.PointNamesOnly = PointNames->isChecked();
    }
};

// 練習プリント in the print dialog: the practice sheet that --practice-sheet writes, its tasks made
// from a 問題番号 and the numbers after it, one set a version; the sheet's paper, margins, scale and
// planes a page are the print dialog's.
struct PracticeChoices {
    QComboBox* Kind = nullptr;
    QComboBox* Level = nullptr;
    QSpinBox* Count = nullptr;
    QSpinBox* Seed = nullptr;
    QSpinBox* Versions = nullptr;
    std::vector<QWidget*> Fields;

    PracticeChoices(QDialog& dialog, QFormLayout& form)
        : Kind(new QComboBox(&dialog))
        , Level(new QComboBox(&dialog))
        , Count(new QSpinBox(&dialog))
        , Seed(new QSpinBox(&dialog))
        , Versions(new QSpinBox(&dialog))
        , Fields{Kind, Level, Count, Seed, Versions}
    {
        Kind->setObjectName(u"PracticeKind"_s);
        Kind->addItem(WorksheetDialogs::tr("いろいろ"), -1);
        for (const TaskKind kind : {TaskKind::Equation, TaskKind::Graph, TaskKind::Range, TaskKind::Crossing})
            Kind->addItem(practiceWords::kindCaption(kind), static_cast<int>(kind));
        Level->setObjectName(u"PracticeLevel"_s);
        for (const TaskLevelRow& level : TaskLevels)
            Level->addItem(practiceWords::levelCaption(level.Level), static_cast<int>(level.Level));
        Count->setObjectName(u"PracticeCount"_s);
        Count->setRange(1, MaxTaskCount);
        Count->setValue(10);
        Seed->setObjectName(u"PracticeSeed"_s);
        Seed->setRange(0, std::numeric_limits<int>::max());
        // A new set each time the dialog opens, short enough to say to a class; a teacher types
        // the number of a set to print it again.
        Seed->setValue(
            static_cast<int>(QRandomGenerator::global()->bounded(1U, static_cast<quint32>(MaxDrawnSeed) + 1)));
        Versions->setObjectName(u"PracticeVersions"_s);
        Versions->setRange(1, MaxVersions);
        form.addRow(WorksheetDialogs::tr("問題の種類(&R):"), Kind);
        form.addRow(WorksheetDialogs::tr("数(&L):"), Level);
        form.addRow(WorksheetDialogs::tr("問題の数(&E):"), Count);
        form.addRow(WorksheetDialogs::tr("問題番号(&I):"), Seed);
        form.addRow(WorksheetDialogs::tr("何通り(&V):"), Versions);
    }

    // Shown while 練習プリント is the kind chosen.
    void show(QFormLayout& form, bool shown) const
    {
        for (QWidget* field : Fields)
            form.setRowVisible(field, shown);
    }

    void restore(const PracticeSheetRemembered& remembered)
    {
        selectData(Kind, remembered.Kind);
        selectData(Level, remembered.Level);
        Count->setValue(remembered.Count);
        Versions->setValue(remembered.Versions);
    }

    void remember(PracticeSheetRemembered& remembered) const
    {
        remembered.Kind = Kind->currentData().toInt();
        remembered.Level = Level->currentData().toInt();
        remembered.Count = Count->value();
        remembered.Versions = Versions->value();
    }

    PracticeSheetSettings settings(const WorksheetSettings& sheet) const
    {
        PracticeSheetSettings settings;
        settings.Sheet = sheet;
        if (const int kind = Kind->currentData().toInt(); kind >= 0)
            settings.Practice.Kind = static_cast<TaskKind>(kind);
        settings.Practice.Level = static_cast<TaskLevel>(Level->currentData().toInt());
        settings.Practice.Count = Count->value();
        settings.Practice.Seed = static_cast<std::uint64_t>(Seed->value());
        settings.Versions = Versions->value();
        return settings;
    }
};

void showPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& draw,
    const std::function<void(QPrintPreviewDialog&)>& extra = {})
{
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(WorksheetDialogs::tr("印刷プレビュー"));
    if (extra)
        extra(preview);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, parent, [&draw](QPrinter* page) { draw(*page); });
    preview.exec();
}

} // namespace

std::optional<ExportChoice> askExport(QWidget* parent, const QString& suggestedName)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(WorksheetDialogs::tr("図を書き出す"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    auto* format = new QComboBox(&dialog);
    format->setObjectName(u"Format"_s);
    for (const FormatChoice& choice : formats)
        format->addItem(WorksheetDialogs::tr(choice.Label));
    form->addRow(WorksheetDialogs::tr("形式(&F):"), format);
    SheetChoices sheet(dialog, *form, WorksheetDialogs::tr("画面と同じ／用紙に合わせる"));
    sheet.Scale->setCurrentIndex(2);
    auto* units = new QSpinBox(&dialog);
    units->setObjectName(u"Units"_s);
    units->setRange(0, MaxFitUnits);
    units->setSpecialValueText(WorksheetDialogs::tr("画面と同じ"));
    units->setPrefix(WorksheetDialogs::tr("−N〜N、N = "));
    form->addRow(WorksheetDialogs::tr("目盛りの数（PDF）(&N):"), units);
    const ExportRemembered remembered = Settings::exportChoices();
    units->setValue(remembered.Units);
    format->setCurrentIndex(std::clamp(remembered.Format, 0, int(std::size(formats)) - 1));
    sheet.restore(remembered);
    layout->addLayout(form);
    layout->addWidget(buttons(dialog, WorksheetDialogs::tr("書き出す…")));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ExportRemembered kept;
    kept.Format = format->currentIndex();
    kept.Units = units->value();
    sheet.remember(kept);
    Settings::setExportChoices(kept);

    const FormatChoice& chosen = formats[format->currentIndex()];
    const QString suffix = QString::fromUtf16(chosen.Suffix);
    QString path = QFileDialog::getSaveFileName(parent, WorksheetDialogs::tr("図を書き出す"),
        suggestedName + u'.' + suffix, WorksheetDialogs::tr(chosen.Filter));
    if (path.isEmpty())
        return std::nullopt;
    if (!path.endsWith(u'.' + suffix, Qt::CaseInsensitive))
        path += u'.' + suffix;
    ExportChoice choice{path, sheet.settings()};
    choice.Settings.Units = units->value();
    // The screen's own pixels, as the clipboard copies them: twice as many on a display at 2x.
    const double screenRatio = parent ? parent->devicePixelRatioF() : 1.0;
    choice.Settings.PngScale = chosen.PngScale > 0 ? chosen.PngScale : std::clamp(qRound(screenRatio), 1, 4);
    return choice;
}

void printWithPreview(QWidget* parent, const Board& board, bool practiceFirst)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(WorksheetDialogs::tr("印刷"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    PrintChoices print(dialog, *form);
    auto* scale = scaleChoice(&dialog, WorksheetDialogs::tr("用紙に合わせる"));
    scale->addItem(WorksheetDialogs::tr("1目盛りの長さを指定"), -1.0);
    form->insertRow(4, WorksheetDialogs::tr("大きさ(&S):"), scale);
    auto* blackAndWhite = new QCheckBox(WorksheetDialogs::tr("白黒 (&B)"), &dialog);
    blackAndWhite->setObjectName(u"BlackAndWhite"_s);
    form->addRow(QString(), blackAndWhite);
    auto* plain = new QCheckBox(WorksheetDialogs::tr("座標平面を白に（インクを減らす）(&W)"), &dialog);
    plain->setObjectName(u"Plain"_s);
    form->addRow(QString(), plain);
    const PrintRemembered remembered = Settings::printChoices();
    print.restore(remembered);
    PracticeChoices practice(dialog, *form);
    practice.restore(Settings::practiceSheetChoices());
    if (practiceFirst)
        selectData(print.Kind, practiceSheetKind);
    // A practice sheet has its own heading, and its tasks instead of the lesson's lines.
    const auto showKind = [&practice, form, title = print.Title, kind = print.Kind] {
        const bool practising = kind->currentData().toInt() == practiceSheetKind;
        practice.show(*form, practising);
        title->setEnabled(!practising);
    };
    QObject::connect(print.Kind, &QComboBox::currentIndexChanged, &dialog, showKind);
    showKind();
    // The length typed for 指定 is kept while a listed scale is chosen, which the greyed box shows.
    double typedUnit = print.Unit->value();
    const auto showScale = [scale, unit = print.Unit, &typedUnit] {
        const double chosen = scale->currentData().toDouble();
        unit->setEnabled(chosen < 0);
        if (chosen < 0)
            unit->setValue(typedUnit);
        else if (chosen > 0)
            unit->setValue(chosen);
    };
    QObject::connect(print.Unit, &QDoubleSpinBox::valueChanged, &dialog, [unit = print.Unit, &typedUnit] {
        if (unit->isEnabled())
            typedUnit = unit->value();
    });
    QObject::connect(scale, &QComboBox::currentIndexChanged, &dialog, showScale);
    selectData(scale, remembered.UnitMillimetres);
    showScale();
    // The open lesson's own title, not the last one printed.
    print.Title->setText(QString::fromStdString(board.lesson().Title));
    blackAndWhite->setChecked(remembered.BlackAndWhite);
    plain->setChecked(remembered.Plain);
    layout->addLayout(form);
    layout->addWidget(buttons(dialog, WorksheetDialogs::tr("プレビュー…")));
    if (dialog.exec() != QDialog::Accepted)
        return;
    print.Unit->setValue(typedUnit);
    PrintRemembered kept;
    print.remember(kept);
    kept.UnitMillimetres = scale->currentData().toDouble();
    kept.BlackAndWhite = blackAndWhite->isChecked();
    kept.Plain = plain->isChecked();
    Settings::setPrintChoices(kept);
    PracticeSheetRemembered practiceKept;
    practice.remember(practiceKept);
    Settings::setPracticeSheetChoices(practiceKept);

    WorksheetSettings settings;
    settings.PaperSize = static_cast<Paper>(print.PaperSize->currentData().toInt());
    settings.Landscape = print.Orientation->currentData().toBool();
    settings.MarginMillimetres = print.Margin->value();
    const double unit = scale->currentData().toDouble();
    settings.UnitMillimetres = unit < 0 ? print.Unit->value() : unit;
    settings.CentreOnLines = print.Centre->currentData().toBool();
    settings.PerPage = print.PerPage->currentData().toInt();
    settings.PointNamesOnly = print.PointNames->isChecked();
    settings.BlackAndWhite = blackAndWhite->isChecked();
    settings.Plain = plain->isChecked();
    settings.Title = print.Title->text();

    if (print.Kind->currentData().toInt() == practiceSheetKind) {
        const PracticeSheetSettings sheets = practice.settings(settings);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(pageLayoutOf(settings));
        printer.setDocName(WorksheetDialogs::tr("練習プリント"));
        showPreview(parent, printer, [&sheets](QPrinter& page) { drawPracticeSheet(page, sheets); });
        return;
    }
    settings.Kind = static_cast<SheetKind>(print.Kind->currentData().toInt());

    // One lesson fills each page with copies of its sheet, the answers on pages of their own.
    const std::vector<SheetPlane> planes = sheetPlanes(std::span(&board, 1), settings.Kind, settings.PerPage);
    if (const auto fault = worksheetFault(planes, settings)) {
        QMessageBox::warning(parent, WorksheetDialogs::tr("印刷"),
            *fault == SheetFault::TitleTooLong
                ? WorksheetDialogs::tr("題名が長すぎて、用紙に入りません。")
                : WorksheetDialogs::tr("この1目盛りの長さでは、座標平面が用紙に入りません。"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(pageLayoutOf(settings));
    printer.setDocName(settings.Title.isEmpty() ? u"Zelmora"_s : settings.Title);
    const std::vector<LineOffPlane> off = linesOffPlanes(planes, settings);
    const auto warnOff = [&off](QPrintPreviewDialog& preview) {
        if (off.empty() || !preview.layout())
            return;
        QStringList names;
        for (const LineOffPlane& line : off) {
            const QString name = QString(QChar(0x2460 + line.Slot));
            if (!names.contains(name))
                names.push_back(name);
        }
        auto* warning
            = new QLabel(WorksheetDialogs::tr(
                             "線 %1 は座標平面の外にあり、印刷されません。中心を「線のあるところ」にすると入ります。")
                             .arg(names.join(WorksheetDialogs::tr("、", "between the line numbers of a list"))),
                &preview);
        warning->setObjectName(u"LinesOffPlane"_s);
        warning->setWordWrap(true);
        preview.layout()->addWidget(warning);
    };
    showPreview(
        parent, printer, [&planes, settings](QPrinter& page) { drawWorksheet(page, planes, settings); }, warnOff);
}

void showUsage(QWidget* parent, const QString& keys)
{
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(u"Usage"_s);
    dialog->setWindowTitle(WorksheetDialogs::tr("Zelmora の使い方"));
    auto* layout = new QVBoxLayout(dialog);
    auto* text = new QTextBrowser(dialog);
    text->setHtml(
        WorksheetDialogs::tr(
            "<h3>線を引く</h3>"
            "<p>番号の○（１～８）を選び、ａ、ｂと変域（χの範囲）を入れて「線を引く」を押します。"
            "Enter で次の欄へ進み、最後の欄で Enter を押すと「線を引く」が選ばれます。"
            "線を引くと、次の番号に進みます。</p>"
            "<h3>分数と小数</h3>"
            "<p>ａ、ｂは分数でも入れられます。−2/3 は <b>-2/3</b>（全角の <b>－２／３</b> でも、"
            "かなモードの <b>ー２・３</b> でも）と入れます。小数は <b>0.5</b> や <b>.5</b>、"
            "とても大きい数や小さい数は <b>1E+30</b> のように書けます。変域には分数を使えません。"
            "読めなかった文字があると、下に知らせが出ます。</p>"
            "<h3>番号の○</h3>"
            "<p>番号を選ぶと、その線の値が欄に戻ります。「線を消す」でその線を消し、"
            "「初期画面」ですべての線を消します。「小」「中」「大」で座標平面の大きさが変わります。</p>"
            "<h3>表示</h3>"
            "<p>「表示」メニューで、線の番号（①～⑧）、式、交点とその座標、端点、変化の割合（傾きの三角形）を"
            "一つずつ表示できます。「線を色分け」で線ごとに色を変えます。白黒で書き出し・印刷すると、"
            "色の代わりに線ごとに実線・破線・点線などの形が変わります。図が込み合って書く場所のない文字は"
            "図から省きますが、値の表と図の説明にはいつも出ます。</p>"
            "<h3>値の表（Ctrl+T）</h3>"
            "<p>最後に引いた（または選んだ）線の式、変域、χとyの表、変化の割合、切片、yの変域、"
            "ほかの線との交わり方を、分数のまま正確に表にします。「χの刻み」で表の刻みを選べます。"
            "「表をコピー」で表計算やワープロに貼り付けられます。表はウィンドウの横に開きます。"
            "横に場所がないときや、「表示」の「値の表をウィンドウに付ける」を選んだときは、"
            "ウィンドウの右に付いて開きます。画面が小さくて付けられないときは、図の左側に重ねて開きます。"
            "付いた表にもTabで移れます。</p>"
            "<h3>動かして調べる（Ctrl+M）</h3>"
            "<p>最後に引いた（または選んだ）線のａとｂを、つまみで動かせます。線はすぐに動き、式や交点、"
            "値の表もいっしょに変わります。ａは 1/2、1/3、1/4、0.1 ずつ、ｂは 1 か 1/2 ずつ動きます。"
            "つまみは ← → で一つ、PageUp PageDown で五つ、Home End で端まで動きます。"
            "「▶」を押すと、止めるまで自動で行ったり来たりします。「前の線を残す」を選ぶと、"
            "動かす前の線を灰色で残して比べられます。一回のドラッグは「元に戻す」一回でもどせます。</p>"
            "<h3>大きく映す（F5）</h3>"
            "<p>図だけを、プロジェクターなどのもう一つの画面いっぱいに映します。Esc か F5 で閉じます。</p>"
            "<h3>図をたどる</h3>"
            "<p>Tab で図に移り、← → で点を線にそってχを 1 ずつ動かします（yは変化の割合だけ変わります）。"
            "Shift+← → で座標が整数の次の点へ、Home End で線の端へ、↑ ↓ でほかの線へ移り、"
            "Esc で点を消します。点の座標と変化は読み上げられます。</p>"
            "<h3>スクリーンリーダーで使う</h3>"
            "<p>キーボードだけで使えます。線を引く、消す、番号を選ぶ、元に戻すなど、どの操作も"
            "何をしたかを読み上げます。Ctrl+T で値の表に移り、χとyの組を読み上げます。Esc でもとの欄に戻ります。</p>"
            "<h3>キー</h3>"
            "<p>Tab と Shift+Tab でボタンや欄を順に移ります。番号の○の間は矢印キーで移ります。"
            "%1。</p>"
            "<h3>授業ファイル</h3>"
            "<p>「ファイル」メニューで、引いた線を授業ファイル（.zelmora）に保存し、あとで開けます。"
            "ファイルをウィンドウに落としても開けます。図は PNG、SVG、PDF に書き出せ、"
            "1目盛り 5 mm や 1 cm の大きさで印刷できます。「問題用（線なし）」を選ぶと、"
            "線のない座標平面だけを書き出し・印刷します。開けないファイルは、どこがおかしいか"
            "（「3行目の12文字目」など）を知らせ、線はそのまま残ります。読めない文字や書いていない欄"
            "（０とします）があるときは、どの線のどの欄かを下に知らせます。</p>"
            "<h3>元に戻す・やり直し</h3>"
            "<p>「編集」の「元に戻す」（Ctrl+Z）で、線を引く・線を消す・初期画面・大きさ・新規・開く・動かすを"
            "一つずつ取り消し、「やり直し」（Ctrl+Y）でもう一度行います。欄に入力している途中の"
            " Ctrl+Z は、その欄の入力を取り消します。</p>"
            "<h3>線をなくさないために</h3>"
            "<p>開いた授業ファイルの線を変えると、ウィンドウの名前に「*」が付きます。保存しないまま"
            "新規・開く・終了をしようとすると、保存するかどうかをたずねます。</p>"
            "<p>引いた線は、変えるたびに控えとして自動で残ります。停電などでプログラムが急に終わっても、"
            "次に起動して「ファイル」→「前回の線を開く」を選ぶと、前回の線がもどります。</p>")
            .arg(keys.toHtmlEscaped())
        + WorksheetDialogs::tr(
            "<h3>式で入力（Ctrl+Shift+E）</h3>"
            "<p>「編集」の「式で入力…」で、<b>2χ + 3y = 6</b>、<b>y = -2/3χ + 1</b>、<b>χ = 3</b> のような式を"
            "そのまま入れて、今の番号の線を引けます。χは x でも入れられます。変域は "
            "<b>2χ + 3y = 6, -3 &lt;= χ &lt;= 3</b> のように後ろに書きます。書かないと、見えている座標平面の"
            "はしからはしまで引きます。<b>χ = 3</b> のような縦の線も引けます。読めない式は、何文字目が"
            "おかしいかを知らせ、線は変わりません。</p>"
            "<h3>yの変域と白丸</h3>"
            "<p>「表示」の「yの変域」で、最後に引いた（または選んだ）線のyの変域を y軸の上に太い線で示し、"
            "「−1 ≦ y ≦ 3」と書きます。線の端を右クリックして「端を含まない（白丸）」を選ぶと、"
            "その端は白丸になり、変域は「−3 &lt; χ ≦ 3」のように書かれます（図に移って Home か End で"
            "端に点を置き、Menu キーでも選べます）。「式で入力」でも、変域を <b>-3 &lt; χ &lt;= 3</b> のように"
            "「&lt;」で書くと、その端を含みません。値の表では、含まない端でのyの値を ( ) に入れて示します。</p>"
            "<h3>練習（Ctrl+R）</h3>"
            "<p>「練習」の「練習する…」で練習のウィンドウが開きます。種類（式を求める・変域・交点）、"
            "数（整数・分数・まぜる）、問題の数、問題番号を選んで「始める」を押します。答えを二つの欄に入れ、"
            "二つ目の欄で Enter を押すと答え合わせをします。分数は -2/3 のように入れます。"
            "まちがえたところを教え、自分の線を朱色でかきます。「ヒント」を押すと順にヒントが出て、"
            "「次へ」でとばせます。最後に「10問中8問正解」とまちがえた問題が出ます。図に移ると、"
            "← → で線をたどれます。問題番号が同じなら、どのコンピューターでも同じ問題になります。</p>"
            "<p>「練習プリントを印刷…」（印刷の種類「練習プリント」）で、問題番号とそれに続く番号から、"
            "一人ずつちがう練習プリントを解答付きで印刷できます。</p>")
        + WorksheetDialogs::tr(
            "<h3>点と直線</h3>"
            "<p>「編集」の「点をとる」を選ぶと、図をクリックするか、矢印キーと Enter で点をとれます（Esc "
            "で終わります）。"
            "「点を入力…」では名前と座標を入れて点をとります。「2点を通る直線…」は二つの点の名前から、"
            "「傾きと1点…」は傾きと一つの点の座標から、今の番号に線を引きます。「表示」の「表の点をとる」は、"
            "値の表の点を図にとります。</p>"));
    layout->addWidget(text);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QObject::connect(close, &QDialogButtonBox::rejected, dialog, &QDialog::close);
    layout->addWidget(close);
    dialog->resize(560, 520);
    dialog->show();
}

} // namespace zelmora
