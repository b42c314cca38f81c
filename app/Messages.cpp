// SPDX-License-Identifier: MIT
#include "app/Messages.h"

#include <QList>

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

} // namespace zelmora::messages
