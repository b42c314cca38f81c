// SPDX-License-Identifier: MIT
#include "app/Messages.h"

#include <QList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace zelmora::messages {
namespace {

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
        return u"変域の下限"_s;
    case EntryBox::To:
        break;
    }
    return u"変域の上限"_s;
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

} // namespace

QString refusal(const EntryRefusal& refusal)
{
    switch (refusal.Fault) {
    case EntryFault::ZeroDenominator:
        return u"%1の分母が０です。"_s.arg(boxName(refusal.Box));
    case EntryFault::DenominatorTooLarge:
        return u"%1の分母が大きすぎます。"_s.arg(boxName(refusal.Box));
    case EntryFault::TooLarge:
        break;
    }
    return u"%1の値が大きすぎます。"_s.arg(boxName(refusal.Box));
}

QString ignored(const IgnoredText& ignored)
{
    // Both bounds go by the name the hint gives them; the text itself tells which one it was.
    const QString box = ignored.Box == EntryBox::From || ignored.Box == EntryBox::To ? u"変域"_s : boxName(ignored.Box);
    return u"%1の「%2」は読みませんでした。"_s.arg(box, shortened(visible(QString::fromStdString(ignored.Text))));
}

QString pictureCopied()
{
    return u"図をコピーしました。"_s;
}

QString lessonFault(const LessonFault& fault)
{
    const QString key = QString::fromStdString(fault.Key);
    const QString slot = fault.Slot > 0 ? u"線%1の"_s.arg(QChar(u'０' + fault.Slot)) : QString();
    switch (fault.Code) {
    case LessonFaultCode::Empty:
        return u"ファイルが空です。"_s;
    case LessonFaultCode::TooLarge:
        return u"ファイルが大きすぎます（1MiBまで）。"_s;
    case LessonFaultCode::NotUtf8:
        return u"文字がUTF-8で書かれていません。"_s;
    case LessonFaultCode::NotJson:
        if (fault.Line > 0)
            return u"%1行目の%2文字目の書き方が正しくありません。"_s.arg(fault.Line).arg(fault.Column);
        return u"ファイルの書き方が正しくありません。"_s;
    case LessonFaultCode::NotAnObject:
    case LessonFaultCode::TooDeep:
        return u"ファイルの書き方が正しくありません。"_s;
    case LessonFaultCode::NotALesson:
        return u"Zelmoraの授業ファイルではありません。"_s;
    case LessonFaultCode::MissingKey:
        return u"%1「%2」がありません。"_s.arg(slot, key);
    case LessonFaultCode::WrongType:
        return u"%1「%2」の値の種類が違います。"_s.arg(slot, key);
    case LessonFaultCode::BadVersion:
        return u"版の番号が正しくありません。"_s;
    case LessonFaultCode::NewerVersion:
        return u"このファイルは新しい版のZelmoraで作られています。"_s;
    case LessonFaultCode::BadSize: {
        QString names;
        for (const PlaneSize& size : PlaneSizes)
            names += u"「%1」"_s.arg(QStringView(size.Name));
        return u"大きさは%1のどれかです。"_s.arg(names);
    }
    case LessonFaultCode::TitleTooLong:
        return u"題名は200字までです。"_s;
    case LessonFaultCode::SlotOutOfRange:
        return u"線の番号は１から８までです。"_s;
    case LessonFaultCode::RepeatedSlot:
        return fault.Slot > 0 ? u"線%1が二度あります。"_s.arg(QChar(u'０' + fault.Slot))
                              : u"同じ線の番号が二度あります。"_s;
    case LessonFaultCode::SlotNotObject:
        return u"「slots」の中の書き方が正しくありません。"_s;
    case LessonFaultCode::FileMissing:
        return u"ファイルが見つかりません。"_s;
    case LessonFaultCode::NotRegularFile:
        return u"ふつうのファイルではありません。"_s;
    case LessonFaultCode::Unreadable:
        return u"ファイルを読めません。"_s;
    case LessonFaultCode::Unwritable:
        break;
    }
    if (fault.FileError == QFileDevice::PermissionsError || fault.FileError == QFileDevice::OpenError)
        return u"保存できません。書き込みが許されていません。"_s;
    return u"保存できませんでした。"_s;
}

QString lessonNotOpened(const QString& fileName)
{
    return u"「%1」を開けませんでした。"_s.arg(fileName);
}

QString lessonRefusal(const LessonRefusal& refusal)
{
    return u"線%1の%2"_s.arg(QChar(u'１' + refusal.Slot), messages::refusal(refusal.Refusal));
}

QString lessonSaved()
{
    return u"保存しました。"_s;
}

QString outputFault(OutputFault fault)
{
    if (fault == OutputFault::UnknownFormat)
        return u"書き出せるのはPNG、SVG、PDFです。"_s;
    return u"書き出せませんでした。"_s;
}

QString pictureWritten()
{
    return u"図を書き出しました。"_s;
}

QString stepName(const BoardStep& step)
{
    switch (step.Command) {
    case BoardCommand::Draw:
        return u"線%1を引く"_s.arg(QChar(u'１' + step.Index));
    case BoardCommand::Erase:
        return u"線%1を消す"_s.arg(QChar(u'１' + step.Index));
    case BoardCommand::InitialScreen:
        return u"初期画面"_s;
    case BoardCommand::Size: {
        const int size = std::clamp(step.Index, 0, static_cast<int>(PlaneSizes.size()) - 1);
        return u"大きさを%1に"_s.arg(QStringView(PlaneSizes[static_cast<std::size_t>(size)].Name));
    }
    case BoardCommand::New:
        return u"新規"_s;
    case BoardCommand::Open:
        return u"開く"_s;
    case BoardCommand::Recover:
        return u"前回の線を開く"_s;
    case BoardCommand::Move:
        break;
    }
    return u"線%1を動かす"_s.arg(QChar(u'１' + step.Index));
}

QString undoText(const std::optional<BoardStep>& step)
{
    return step ? u"元に戻す：%1(&U)"_s.arg(stepName(*step)) : u"元に戻す(&U)"_s;
}

QString redoText(const std::optional<BoardStep>& step)
{
    return step ? u"やり直し：%1(&R)"_s.arg(stepName(*step)) : u"やり直し(&R)"_s;
}

QString unsavedQuestion(const QString& fileName)
{
    return u"「%1」への変更を保存しますか？"_s.arg(fileName);
}

QString unsavedDetail()
{
    return u"保存しないと、この変更はなくなります。"_s;
}

QString recoveryUnwritable()
{
    return u"線の控えを保存できません。このまま続けられます。"_s;
}

QString languageChosen(bool english)
{
    return english ? u"次の起動から English になります。"_s : u"次の起動から日本語になります。"_s;
}

QString recoveryUnreadable()
{
    return u"前回の線を読めませんでした。"_s;
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
    const QString slot = u"線%1の"_s.arg(QChar(u'１' + notice.Slot));
    if (notice.Unread)
        return slot + ignored({notice.Box, *notice.Unread});
    return slot + u"%1がないので、０としました。"_s.arg(boxName(notice.Box));
}

} // namespace zelmora::messages
