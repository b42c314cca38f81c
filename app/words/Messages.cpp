// SPDX-License-Identifier: MIT
#include "app/words/Messages.h"
#include "app/words/Speech.h"

#include "entry/TextRules.h"
#include "slots/SlotTable.h"

#include <QCoreApplication>
#include <QList>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zelmora::messages {
namespace {

// The catalogue's context for the messages.
struct Messages {
    Q_DECLARE_TR_FUNCTIONS(zelmora::messages)
};

// The panel's words, among them the plane sizes' names.
struct Panel {
    Q_DECLARE_TR_FUNCTIONS(zelmora::Panel)
};

// Longer ignored texts are cut, so that the message keeps to the three lines its area holds.
constexpr qsizetype shownCharacters = 6;

QString boxName(EntryBox box)
{
    switch (box) {
    case EntryBox::A:
        return u"ａ"_s;
    case EntryBox::B:
        return u"ｂ"_s;
    case EntryBox::From:
        return Messages::tr("変域の下限");
    case EntryBox::To:
        break;
    }
    return Messages::tr("変域の上限");
}

// Characters that would not show, or would turn the line around, are shown as U+FFFD.
QString visible(const QString& text)
{
    QString shown;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isPrint(c))
            shown += QString::fromUcs4(&c, 1);
        else
            shown += QChar::ReplacementCharacter;
    }
    return shown;
}

QString shortened(const QString& text)
{
    const QList<uint> characters = text.toUcs4();
    if (characters.size() <= shownCharacters)
        return text;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()), shownCharacters - 1) + u'…';
}

// A slot's number as the language writes it: full-width as the buttons show it in Japanese,
// ordinary digits in English.
QChar slotDigit(int slot)
{
    const QString digits = Messages::tr("１２３４５６７８");
    return digits.size() == SlotTable::UserSlots ? digits.at(slot) : QChar(u'１' + slot);
}

} // namespace

QString refusal(const EntryRefusal& refusal)
{
    switch (refusal.Fault) {
    case EntryFault::ZeroDenominator:
        return Messages::tr("%1の分母が０です。").arg(boxName(refusal.Box));
    case EntryFault::DenominatorTooLarge:
        return Messages::tr("%1の分母が大きすぎます。").arg(boxName(refusal.Box));
    case EntryFault::TooLarge:
        break;
    }
    return Messages::tr("%1の値が大きすぎます。").arg(boxName(refusal.Box));
}

QString ignored(const IgnoredText& ignored)
{
    // Both bounds go by the name the hint gives them; the text itself tells which one it was.
    const QString box
        = ignored.Box == EntryBox::From || ignored.Box == EntryBox::To ? Messages::tr("変域") : boxName(ignored.Box);
    return Messages::tr("%1の「%2」は読みませんでした。")
        .arg(box, shortened(visible(QString::fromStdString(ignored.Text))));
}

QString pictureCopied()
{
    return Messages::tr("図をコピーしました。");
}

QString placingPoints()
{
    return Messages::tr("クリックか矢印キーとEnterで点をとります。Escで終わり。");
}

QString lessonFault(const LessonFault& fault)
{
    const QString key = QString::fromStdString(fault.Key);
    QString slot = fault.Slot > 0 ? Messages::tr("線%1の").arg(QChar(u'０' + fault.Slot)) : QString();
    if (fault.Task > 0)
        slot = Messages::tr("問題%1の").arg(fault.Task);
    switch (fault.Code) {
    case LessonFaultCode::Empty:
        return Messages::tr("ファイルが空です。");
    case LessonFaultCode::TooLarge:
        return Messages::tr("ファイルが大きすぎます（1MiBまで）。");
    case LessonFaultCode::NotUtf8:
        return Messages::tr("文字がUTF-8で書かれていません。");
    case LessonFaultCode::NotJson:
        if (fault.Line > 0)
            return Messages::tr("%1行目の%2文字目の書き方が正しくありません。").arg(fault.Line).arg(fault.Column);
        return Messages::tr("ファイルの書き方が正しくありません。");
    case LessonFaultCode::NotAnObject:
    case LessonFaultCode::TooDeep:
        return Messages::tr("ファイルの書き方が正しくありません。");
    case LessonFaultCode::NotALesson:
        return Messages::tr("Zelmoraの授業ファイルではありません。");
    case LessonFaultCode::MissingKey:
        return Messages::tr("%1「%2」がありません。").arg(slot, key);
    case LessonFaultCode::WrongType:
        return Messages::tr("%1「%2」の値の種類が違います。").arg(slot, key);
    case LessonFaultCode::BadVersion:
        return Messages::tr("版の番号が正しくありません。");
    case LessonFaultCode::NewerVersion:
        return Messages::tr("このファイルは新しい版のZelmoraで作られています。");
    case LessonFaultCode::BadSize: {
        QString names;
        for (const PlaneSize& size : PlaneSizes)
            names += Messages::tr("「%1」", "a size's name as a lesson file writes it").arg(QStringView(size.Name));
        return Messages::tr("大きさは%1のどれかです。").arg(names);
    }
    case LessonFaultCode::TitleTooLong:
        return Messages::tr("題名は200字までです。");
    case LessonFaultCode::BadPoint:
        return Messages::tr("点「%1」の名前か座標が正しくありません（名前は4文字まで、同じ名前は1つだけ）。")
            .arg(QString::fromStdString(fault.Point));
    case LessonFaultCode::TooManyPoints:
        return Messages::tr("点は26個までです。");
    case LessonFaultCode::UnknownPoint:
        return Messages::tr("%1「through」の点「%2」がないか、2点が同じです。")
            .arg(slot, QString::fromStdString(fault.Point));
    case LessonFaultCode::SlotOutOfRange:
        return Messages::tr("線の番号は１から８までです。");
    case LessonFaultCode::RepeatedSlot:
        return fault.Slot > 0 ? Messages::tr("線%1が二度あります。").arg(slotDigit(fault.Slot - 1))
                              : Messages::tr("同じ線の番号が二度あります。");
    case LessonFaultCode::SlotNotObject:
        return Messages::tr("「slots」の中の書き方が正しくありません。");
    case LessonFaultCode::FileMissing:
        return Messages::tr("ファイルが見つかりません。");
    case LessonFaultCode::NotRegularFile:
        return Messages::tr("ふつうのファイルではありません。");
    case LessonFaultCode::Unreadable:
        return Messages::tr("ファイルを読めません。");
    case LessonFaultCode::UnknownTaskKind:
        return Messages::tr("%1「kind」は equation、graph、range、crossing のどれかです。").arg(slot);
    case LessonFaultCode::TaskNoValue:
        return Messages::tr("%1線に、数として読めない値があります。").arg(slot);
    case LessonFaultCode::TaskNoCrossing:
        return Messages::tr("%1二本の線が一点で交わりません。").arg(slot);
    case LessonFaultCode::Unwritable:
        break;
    }
    if (fault.FileError == QFileDevice::PermissionsError || fault.FileError == QFileDevice::OpenError)
        return Messages::tr("保存できません。書き込みが許されていません。");
    return Messages::tr("保存できませんでした。");
}

QString lessonNotOpened(const QString& fileName)
{
    return Messages::tr("「%1」を開けませんでした。").arg(fileName);
}

QString lessonRefusal(const LessonRefusal& refusal)
{
    if (refusal.Point)
        return notice(*refusal.Point);
    if (refusal.Through) {
        return Messages::tr("線%1：%2").arg(slotDigit(refusal.Slot), notice(*refusal.Through));
    }
    if (refusal.Equation && refusal.Equation->Fault == EquationFault::OpenEndOfPoint)
        return Messages::tr("線%1：%2").arg(slotDigit(refusal.Slot), notice(*refusal.Equation));
    if (refusal.Equation) {
        return Messages::tr("線%1の式：%2").arg(slotDigit(refusal.Slot), notice(*refusal.Equation));
    }
    return Messages::tr("線%1の%2").arg(slotDigit(refusal.Slot), messages::refusal(refusal.Refusal));
}

QString lessonSaved()
{
    return Messages::tr("保存しました。");
}

QString lessonNotSaved(const QString& fileName)
{
    return Messages::tr("「%1」に保存できませんでした。").arg(fileName);
}

QString lessonOpenedWithNotices(const QString& fileName)
{
    return Messages::tr("「%1」を開きました。次のところは読み方を変えました。").arg(fileName);
}

QString outputFault(OutputFault fault)
{
    if (fault == OutputFault::UnknownFormat)
        return Messages::tr("書き出せるのはPNG、SVG、PDFです。");
    return Messages::tr("書き出せませんでした。");
}

QString pictureWritten()
{
    return Messages::tr("図を書き出しました。");
}

QString stepName(const BoardStep& step)
{
    switch (step.Command) {
    case BoardCommand::Draw:
        return Messages::tr("線%1を引く").arg(slotDigit(step.Index));
    case BoardCommand::Erase:
        return Messages::tr("線%1を消す").arg(slotDigit(step.Index));
    case BoardCommand::InitialScreen:
        return Messages::tr("初期画面");
    case BoardCommand::Size: {
        const int size = std::clamp(step.Index, 0, static_cast<int>(PlaneSizes.size()) - 1);
        return Messages::tr("大きさを%1に")
            .arg(Panel::tr(QStringView(PlaneSizes[static_cast<std::size_t>(size)].Name).toUtf8().constData()));
    }
    case BoardCommand::New:
        return Messages::tr("新規");
    case BoardCommand::Open:
        return Messages::tr("開く");
    case BoardCommand::Recover:
        return Messages::tr("前回の線を開く");
    case BoardCommand::Show:
        return Messages::tr("表示");
    case BoardCommand::PutPoint:
        return Messages::tr("点をとる");
    case BoardCommand::DeletePoint:
        return Messages::tr("点を消す");
    case BoardCommand::PlotTable:
        return Messages::tr("表の点をとる");
    case BoardCommand::Ends:
        return Messages::tr("線%1の端").arg(slotDigit(step.Index));
    case BoardCommand::Move:
        break;
    }
    return Messages::tr("線%1を動かす").arg(slotDigit(step.Index));
}

QString undoText(const std::optional<BoardStep>& step)
{
    return step ? Messages::tr("元に戻す：%1(&U)").arg(stepName(*step)) : Messages::tr("元に戻す(&U)");
}

QString redoText(const std::optional<BoardStep>& step)
{
    return step ? Messages::tr("やり直し：%1(&R)").arg(stepName(*step)) : Messages::tr("やり直し(&R)");
}

QString unsavedQuestion(const QString& fileName)
{
    return Messages::tr("「%1」への変更を保存しますか？").arg(fileName);
}

QString unsavedDetail()
{
    return Messages::tr("保存しないと、この変更はなくなります。");
}

QString recoveryUnwritable()
{
    return Messages::tr("線の控えを保存できません。このまま続けられます。");
}

QString languageChosen(bool english)
{
    return english ? Messages::tr("次の起動から English になります。") : Messages::tr("次の起動から日本語になります。");
}

QString recoveryUnreadable()
{
    return Messages::tr("前回の線を読めませんでした。");
}

QString notice(std::monostate)
{
    return {};
}

QString notice(const EntryRefusal& refused)
{
    return refusal(refused);
}

QString notice(const IgnoredText& text)
{
    return ignored(text);
}

QString notice(const LessonNotice& notice)
{
    const QString slot = Messages::tr("線%1の").arg(slotDigit(notice.Slot));
    if (notice.Unread)
        return slot + ignored({notice.Box, *notice.Unread});
    return slot + Messages::tr("%1がないので、０としました。").arg(boxName(notice.Box));
}

QString notice(const EquationRefusal& refusal)
{
    const QString typed = shortened(visible(QString::fromStdString(refusal.Text)));
    switch (refusal.Fault) {
    case EquationFault::Empty:
        return Messages::tr("式を入れてください。");
    case EquationFault::Unreadable:
        return Messages::tr("%1文字目の「%2」が読めません。").arg(refusal.Position).arg(typed);
    case EquationFault::NoEquals:
        return Messages::tr("「＝」がありません。");
    case EquationFault::ExtraEquals:
        return Messages::tr("%1文字目に２つ目の「＝」があります。").arg(refusal.Position);
    case EquationFault::MissingTerm:
        if (refusal.Position == 0)
            return Messages::tr("式が途中で終わっています。");
        return Messages::tr("%1文字目の「%2」の前に項がありません。").arg(refusal.Position).arg(typed);
    case EquationFault::ZeroDenominator:
        return Messages::tr("%1文字目の分母が０です。").arg(refusal.Position);
    case EquationFault::NoVariable:
        return Messages::tr("χもyもない式です。");
    case EquationFault::TooLarge:
        if (refusal.Position == 0)
            return Messages::tr("ａ、ｂかχの値が大きすぎます。");
        return Messages::tr("%1文字目の数が大きすぎます。").arg(refusal.Position);
    case EquationFault::DomainVariable:
        return Messages::tr("%1文字目：この直線の変域は%2で書きます。")
            .arg(refusal.Position)
            .arg(QString::fromStdString(refusal.Text));
    case EquationFault::DomainOrder:
        return Messages::tr("%1文字目からの変域は、下限が上限より大きくなっています。").arg(refusal.Position);
    case EquationFault::OpenEndOfPoint:
        return Messages::tr("変域が１点だけなので、端を含まないことはできません。");
    case EquationFault::DoesNotMatch:
        break;
    }
    return Messages::tr("式がａとｂの直線になりません。");
}

QString notice(const TypedForm& form)
{
    // The whole equation is in the picture and its description; here it keeps to the area's lines.
    constexpr qsizetype shownEquation = 16;
    QString equation = QString::fromStdString(form.Equation);
    equation.replace(u'-', QChar(0x2212));
    if (equation.size() > shownEquation)
        equation = equation.first(shownEquation - 1) + u'…';
    const QString shown = Messages::tr("線%1：%2").arg(slotDigit(form.Slot), equation);
    if (!form.Vertical)
        return shown;
    // The boxes keep what they held: they cannot show χ = h, which has no a, b or slope.
    return shown + Messages::tr("（ａ、ｂなし）");
}

QString openEndChoice(int slot, const ExactPoint& at)
{
    return Messages::tr("線%1の端 (%2, %3) を含まない（白丸）")
        .arg(slotDigit(slot))
        .arg(QString::fromStdString(fractionText(at.X, Minus::Typographic)),
            QString::fromStdString(fractionText(at.Y, Minus::Typographic)));
}

QString noSlopeTriangle(int slot)
{
    return Messages::tr("線%1は χ＝の直線なので、変化の割合はありません。").arg(slotDigit(slot));
}

QString notice(const ZeroLengthLine& line)
{
    const QString x = QString::fromStdString(FormatNumber(line.X)).trimmed();
    return Messages::tr("線%1は長さ０の線です（χは%2から%2まで）。").arg(slotDigit(line.Slot)).arg(x);
}

QString notice(const PointRefusal& refusal)
{
    const QString axis = refusal.OfY ? u"y"_s : u"χ"_s;
    switch (refusal.Fault) {
    case PointFault::NoName:
        return Messages::tr("点の名前を入れてください。");
    case PointFault::LongName:
        return Messages::tr("点の名前は4文字までです。");
    case PointFault::NoValue:
        return Messages::tr("点の%1座標が数として読めません。").arg(axis);
    case PointFault::ZeroDenominator:
        return Messages::tr("点の%1座標の分母が０です。").arg(axis);
    case PointFault::TooLarge:
        break;
    }
    return Messages::tr("点の%1座標の値が大きすぎます。").arg(axis);
}

QString notice(const PointLineRefusal& refusal)
{
    if (!refusal.Fault)
        return Messages::tr("点%1がありません。").arg(QString::fromStdString(refusal.Name));
    if (*refusal.Fault == PointLineFault::SamePoint)
        return Messages::tr("2点が同じ点なので、直線が決まりません。");
    return Messages::tr("ａかｂの桁が多すぎて、欄に書けません。");
}

QString notice(const PointNotice& notice)
{
    const QString name = QString::fromStdString(notice.Name);
    if (notice.Full)
        return Messages::tr("点は26個までです。");
    if (!notice.At)
        return Messages::tr("点%1を消しました。").arg(name);
    const QString placed = Messages::tr("点%1(%2, %3)をとりました。")
                               .arg(name, QString::fromStdString(fractionText(notice.At->X, Minus::Typographic)),
                                   QString::fromStdString(fractionText(notice.At->Y, Minus::Typographic)));
    return notice.Outside ? speech::oneAfterAnother(placed, Messages::tr("図の外です。")) : placed;
}

QString notices(const std::vector<LessonNotice>& notices)
{
    QStringList lines;
    for (const LessonNotice& one : notices)
        lines << notice(one);
    return lines.join(u'\n');
}

std::vector<QString> all()
{
    std::vector<QString> all{pictureCopied(), placingPoints(), lessonSaved(), pictureWritten(),
        outputFault(OutputFault::UnknownFormat), outputFault(OutputFault::Unwritable), recoveryUnwritable(),
        recoveryUnreadable(), languageChosen(false), languageChosen(true)};
    for (int code = 0; code <= static_cast<int>(LessonFaultCode::Unwritable); ++code) {
        for (const char* key : {"a", "currentSlot", "version"}) {
            for (const int slot : {0, 3}) {
                for (const auto error : {QFileDevice::NoError, QFileDevice::PermissionsError})
                    all.push_back(lessonFault({static_cast<LessonFaultCode>(code), slot, key, error}));
            }
        }
    }
    LessonFault syntax;
    syntax.Code = LessonFaultCode::NotJson;
    syntax.Line = 1234;
    syntax.Column = 5678;
    all.push_back(lessonFault(syntax));
    for (const EntryBox box : {EntryBox::A, EntryBox::B, EntryBox::From, EntryBox::To}) {
        for (const EntryFault fault :
            {EntryFault::ZeroDenominator, EntryFault::TooLarge, EntryFault::DenominatorTooLarge})
            all.push_back(refusal({box, fault}));
        for (const char* text : {"x", "/2", "abc", "ａｂｃ", "abcdef", "ａｂｃｄｅｆ", "ａｂｃｄｅｆｇｈｉｊ",
                 "WWWWWWWWWW", "。。。。。。"}) {
            all.push_back(ignored({box, text}));
            all.push_back(notice(LessonNotice{7, box, text}));
        }
        all.push_back(notice(LessonNotice{7, box, std::nullopt}));
    }
    for (int fault = 0; fault <= static_cast<int>(EquationFault::OpenEndOfPoint); ++fault) {
        for (const int position : {0, 128})
            all.push_back(notice(EquationRefusal{static_cast<EquationFault>(fault), position, "＊"}));
    }
    for (const TypedForm& form : {TypedForm{7, "χ = -12345/678", true}, TypedForm{7, "-0.25χ + 1.5y = -12.75", false}})
        all.push_back(notice(form));
    all.push_back(noSlopeTriangle(7));
    for (const float x : {0.0f, -12.5f, 1e-5f})
        all.push_back(notice(ZeroLengthLine{7, x}));
    for (int fault = 0; fault <= static_cast<int>(PointFault::TooLarge); ++fault) {
        for (const bool ofY : {false, true})
            all.push_back(notice(PointRefusal{static_cast<PointFault>(fault), ofY}));
    }
    for (const auto fault : {std::optional<PointLineFault>(), std::optional(PointLineFault::SamePoint),
             std::optional(PointLineFault::TooLarge)})
        all.push_back(notice(PointLineRefusal{fault, "WWWW"}));
    // A point at its longest name and at fractions as they are usually typed. (Coordinates of three or
    // more digits over three or more still take a fourth line.)
    const ExactPoint far{mpq_class(-25, 4), mpq_class(-19, 3)};
    for (const bool outside : {false, true})
        all.push_back(notice(PointNotice{"WWWW", far, outside}));
    all.push_back(notice(PointNotice{"WWWW", std::nullopt}));
    all.push_back(notice(PointNotice{"A", std::nullopt, false, true}));
    return all;
}

} // namespace zelmora::messages
