// SPDX-License-Identifier: MIT
#include "app/session/Settings.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

const QString languageKey = u"language"_s;
const QString recentKey = u"recentFiles"_s;
const QString dockedTableKey = u"valueTable/docked"_s;
const QString exportGroup = u"export/"_s;
const QString printGroup = u"print/"_s;

QString markKey(const ShowMark& mark)
{
    return u"show/"_s + QLatin1StringView(mark.Key);
}

// A value as its type: after a restart the file gives back text ("5", "true") for what was
// written as a number or a truth value.
template <typename T> T read(const QSettings& stored, const QString& key, T otherwise)
{
    return stored.value(key, QVariant::fromValue(otherwise)).template value<T>();
}

} // namespace

Language Settings::language()
{
    return QSettings().value(languageKey).toString() == QLatin1StringView("en") ? Language::English
                                                                                : Language::Japanese;
}

void Settings::setLanguage(Language language)
{
    QSettings().setValue(languageKey, language == Language::English ? u"en"_s : u"ja"_s);
}

QStringList Settings::recentFiles()
{
    return QSettings().value(recentKey).toStringList();
}

void Settings::setRecentFiles(const QStringList& files)
{
    QSettings().setValue(recentKey, files);
}

ShowOptions Settings::showOptions()
{
    const QSettings stored;
    ShowOptions options;
    for (const ShowMark& mark : ShowMarks)
        options.*mark.Member = read(stored, markKey(mark), false);
    return options;
}

void Settings::setShowOptions(const ShowOptions& options)
{
    QSettings stored;
    for (const ShowMark& mark : ShowMarks)
        stored.setValue(markKey(mark), options.*mark.Member);
}

bool Settings::valueTableDocked()
{
    return read(QSettings(), dockedTableKey, false);
}

void Settings::setValueTableDocked(bool docked)
{
    QSettings().setValue(dockedTableKey, docked);
}

ExportRemembered Settings::exportChoices()
{
    const QSettings stored;
    const ExportRemembered otherwise;
    ExportRemembered choices;
    choices.Format = read(stored, exportGroup + u"format"_s, otherwise.Format);
    choices.Units = read(stored, exportGroup + u"units"_s, otherwise.Units);
    choices.UnitMillimetres = read(stored, exportGroup + u"unitMillimetres"_s, otherwise.UnitMillimetres);
    choices.Problem = read(stored, exportGroup + u"problem"_s, otherwise.Problem);
    choices.PointNamesOnly = read(stored, exportGroup + u"pointNamesOnly"_s, otherwise.PointNamesOnly);
    choices.BlackAndWhite = read(stored, exportGroup + u"blackAndWhite"_s, otherwise.BlackAndWhite);
    return choices;
}

void Settings::setExportChoices(const ExportRemembered& choices)
{
    QSettings stored;
    stored.setValue(exportGroup + u"format"_s, choices.Format);
    stored.setValue(exportGroup + u"units"_s, choices.Units);
    stored.setValue(exportGroup + u"unitMillimetres"_s, choices.UnitMillimetres);
    stored.setValue(exportGroup + u"problem"_s, choices.Problem);
    stored.setValue(exportGroup + u"pointNamesOnly"_s, choices.PointNamesOnly);
    stored.setValue(exportGroup + u"blackAndWhite"_s, choices.BlackAndWhite);
}

PrintRemembered Settings::printChoices()
{
    const QSettings stored;
    const PrintRemembered otherwise;
    PrintRemembered choices;
    choices.PaperSize
        = static_cast<Paper>(read(stored, printGroup + u"paper"_s, static_cast<int>(otherwise.PaperSize)));
    choices.Landscape = read(stored, printGroup + u"landscape"_s, otherwise.Landscape);
    choices.MarginMillimetres = read(stored, printGroup + u"marginMillimetres"_s, otherwise.MarginMillimetres);
    choices.UnitMillimetres = read(stored, printGroup + u"unitMillimetres"_s, otherwise.UnitMillimetres);
    choices.TypedUnitMillimetres = read(stored, printGroup + u"otherUnitMillimetres"_s, otherwise.TypedUnitMillimetres);
    choices.CentreOnLines = read(stored, printGroup + u"centreOnLines"_s, otherwise.CentreOnLines);
    choices.PerPage = read(stored, printGroup + u"perPage"_s, otherwise.PerPage);
    choices.Kind = static_cast<SheetKind>(read(stored, printGroup + u"kind"_s, static_cast<int>(otherwise.Kind)));
    choices.PointNamesOnly = read(stored, printGroup + u"pointNamesOnly"_s, otherwise.PointNamesOnly);
    choices.BlackAndWhite = read(stored, printGroup + u"blackAndWhite"_s, otherwise.BlackAndWhite);
    choices.Plain = read(stored, printGroup + u"plain"_s, otherwise.Plain);
    return choices;
}

void Settings::setPrintChoices(const PrintRemembered& choices)
{
    QSettings stored;
    stored.setValue(printGroup + u"paper"_s, static_cast<int>(choices.PaperSize));
    stored.setValue(printGroup + u"landscape"_s, choices.Landscape);
    stored.setValue(printGroup + u"marginMillimetres"_s, choices.MarginMillimetres);
    stored.setValue(printGroup + u"otherUnitMillimetres"_s, choices.TypedUnitMillimetres);
    stored.setValue(printGroup + u"centreOnLines"_s, choices.CentreOnLines);
    stored.setValue(printGroup + u"perPage"_s, choices.PerPage);
    stored.setValue(printGroup + u"kind"_s, static_cast<int>(choices.Kind));
    stored.setValue(printGroup + u"unitMillimetres"_s, choices.UnitMillimetres);
    stored.setValue(printGroup + u"pointNamesOnly"_s, choices.PointNamesOnly);
    stored.setValue(printGroup + u"blackAndWhite"_s, choices.BlackAndWhite);
    stored.setValue(printGroup + u"plain"_s, choices.Plain);
}

PracticeSheetRemembered Settings::practiceSheetChoices()
{
    const QSettings stored;
    const PracticeSheetRemembered otherwise;
    PracticeSheetRemembered choices;
    choices.Kind = read(stored, printGroup + u"practiceKind"_s, otherwise.Kind);
    choices.Level = read(stored, printGroup + u"practiceLevel"_s, otherwise.Level);
    choices.Count = read(stored, printGroup + u"practiceCount"_s, otherwise.Count);
    choices.Versions = read(stored, printGroup + u"practiceVersions"_s, otherwise.Versions);
    return choices;
}

void Settings::setPracticeSheetChoices(const PracticeSheetRemembered& choices)
{
    QSettings stored;
    stored.setValue(printGroup + u"practiceKind"_s, choices.Kind);
    stored.setValue(printGroup + u"practiceLevel"_s, choices.Level);
    stored.setValue(printGroup + u"practiceCount"_s, choices.Count);
    stored.setValue(printGroup + u"practiceVersions"_s, choices.Versions);
}

void Settings::clear()
{
    QSettings().clear();
}

} // namespace zelmora
