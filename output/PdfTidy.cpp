// SPDX-License-Identifier: MIT
#include "output/PdfTidy.h"

#include "plane/PainterSurface.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

struct PdfObject {
    int Number = 0;
    QByteArray Body; // from "N 0 obj" to just before the next object
};

// The objects at the offsets the cross-reference table gives, in file order, and what stands before
// the first one and after the last.
struct PdfFile {
    QByteArray Header;
    std::vector<PdfObject> Objects;
    QByteArray Trailer; // from "trailer" up to, not including, "startxref"
    int Size = 0;
};

std::optional<PdfFile> readPdf(const QByteArray& pdf)
{
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (startxref < 0)
        return std::nullopt;
    bool number = false;
    const qsizetype xref = pdf.mid(startxref + 9, 24).trimmed().split('\n').value(0).trimmed().toLongLong(&number);
    if (!number || xref <= 0 || xref >= startxref || !pdf.mid(xref).startsWith("xref\n"))
        return std::nullopt;
    const qsizetype sectionLine = pdf.indexOf('\n', xref + 5);
    const QList<QByteArray> section = pdf.mid(xref + 5, sectionLine - xref - 5).trimmed().split(' ');
    const int first = section.value(0).toInt();
    const int count = section.value(1).toInt(&number);
    if (!number || first != 0 || count <= 1)
        return std::nullopt;
    std::map<qsizetype, int> offsets;
    for (int i = 1; i < count; ++i) {
        const QByteArray entry = pdf.mid(sectionLine + 1 + 20 * qsizetype(i), 20);
        if (entry.size() != 20 || entry[17] != 'n')
            continue;
        offsets[entry.left(10).toLongLong()] = i;
    }
    const qsizetype trailer = pdf.indexOf("trailer", xref);
    if (offsets.empty() || trailer < 0 || offsets.rbegin()->first >= xref)
        return std::nullopt;
    PdfFile file;
    file.Size = count;
    file.Header = pdf.left(offsets.begin()->first);
    for (auto at = offsets.begin(); at != offsets.end(); ++at) {
        const qsizetype end = std::next(at) == offsets.end() ? xref : std::next(at)->first;
        file.Objects.push_back({at->second, pdf.mid(at->first, end - at->first)});
    }
    file.Trailer = pdf.mid(trailer, startxref - trailer);
    return file;
}

QByteArray writePdf(const PdfFile& file)
{
    QByteArray out = file.Header;
    std::vector<qsizetype> offsets(std::size_t(file.Size), -1);
    for (const PdfObject& object : file.Objects) {
        offsets[std::size_t(object.Number)] = out.size();
        out += object.Body;
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(file.Size) + "\n0000000000 65535 f \n";
    for (int i = 1; i < file.Size; ++i) {
        const qsizetype offset = offsets[std::size_t(i)];
        out += offset < 0 ? QByteArray("0000000000 65535 f \n")
                          : QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    out += file.Trailer + "startxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

// A stream object's dictionary and data, decoded when it is deflated.
struct Stream {
    QByteArray Dictionary; // "N 0 obj" and the dictionary
    QByteArray Data;
    bool Deflated = false;
};

std::optional<Stream> streamOf(const QByteArray& body)
{
    const qsizetype start = body.indexOf("stream\n");
    const qsizetype end = body.lastIndexOf("\nendstream");
    if (start < 0 || end < start + 7)
        return std::nullopt;
    Stream stream{body.left(start), body.mid(start + 7, end - start - 7), false};
    if (stream.Dictionary.contains("/FlateDecode")) {
        // qUncompress wants the expected size in front; it grows its buffer when that is short.
        QByteArray sized(4, '\0');
        qToBigEndian<quint32>(quint32(std::min<qsizetype>(stream.Data.size() * 8, 1 << 26)), sized.data());
        const QByteArray inflated = qUncompress(sized + stream.Data);
        if (inflated.isEmpty() && !stream.Data.isEmpty())
            return std::nullopt;
        stream.Data = inflated;
        stream.Deflated = true;
    }
    return stream;
}

// The whole object again, from "N 0 obj" on, with the data deflated again when it was.
QByteArray bodyOf(const Stream& stream)
{
    const QByteArray data = stream.Deflated ? qCompress(stream.Data, 9).mid(4) : stream.Data;
    static const QRegularExpression length(uR"(/Length\s+\d+(\s+\d+\s+R)?)"_s);
    QString dictionary = QString::fromLatin1(stream.Dictionary);
    dictionary.replace(length, u"/Length %1"_s.arg(data.size()));
    const QByteArray head = dictionary.toLatin1();
    return head + "stream\n" + data + "\nendstream\nendobj\n";
}

// Colours through the device spaces; each bold text once, filled and outlined as wide as Qt's two
// copies stand apart, in the colour it is filled with.
QString tidyColoursAndBold(const QByteArray& content)
{
    QString text = QString::fromLatin1(content);
    text.replace(u"/CSpg cs"_s, u"/DeviceGray cs"_s);
    text.replace(u"/CSpg CS"_s, u"/DeviceGray CS"_s);
    text.replace(u"/CSp cs"_s, u"/DeviceRGB cs"_s);
    text.replace(u"/CSp CS"_s, u"/DeviceRGB CS"_s);

    static const QRegularExpression bold(
        uR"(/DeviceRGB cs ([-0-9. ]+) scn\n((?:/\w+ gs\n)?)BT\n((?:(?!ET\n)[\s\S])*?\n)([-0-9.]+) ([-0-9.]+ Td [^\n]*\n)((?:(?!ET\n)[\s\S])*?)1 0 0 -1 0 0 Tm\n/Span << /ActualText (?:<>|\(\)) >> BDC\n([-0-9.]+) [^\n]*\n(?:(?!ET\n)[\s\S])*?EMC\n)"_s);
    QString out;
    qsizetype from = 0;
    for (auto matches = bold.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        out += QStringView(text).mid(from, match.capturedStart() - from);
        const double width = match.captured(4).toDouble() - match.captured(7).toDouble();
        out += u"/DeviceRGB cs %1 scn\n/DeviceRGB CS %1 SCN\n%2BT\n2 Tr %3 w\n%4%5 %6%7"_s.arg(match.captured(1),
            match.captured(2), QString::number(std::abs(width), 'g', 6), match.captured(3), match.captured(4),
            match.captured(5), match.captured(6));
        from = match.capturedEnd();
    }
    out += QStringView(text).mid(from);
    return out;
}

// A number as Qt's PDF writer writes it: up to nine decimals, cut rather than rounded, without
// trailing zeros.
QString pdfNumber(double value)
{
    const bool negative = value < 0;
    double whole = 0;
    const double fraction = std::modf(std::abs(value), &whole);
    auto billionths = static_cast<qint64>(fraction * 1e9);
    if (billionths == 1000000000) {
        whole += 1;
        billionths = 0;
    }
    QString number = (negative ? u"-"_s : QString()) + QString::number(qint64(whole));
    if (billionths != 0) {
        QString decimals = QString::number(billionths).rightJustified(9, u'0');
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        number += u'.' + decimals;
    }
    return number;
}

// A text string as PDF writes one in any script: UTF-16BE with its byte order mark, in hex.
QString pdfTextString(const QString& text)
{
    QString hex = u"<FEFF"_s;
    for (const QChar unit : text)
        hex += u"%1"_s.arg(unit.unicode(), 4, 16, QChar(u'0')).toUpper();
    return hex + u'>';
}

// A colour as Qt's PDF writer writes one.
QString pdfColour(const QColor& colour)
{
    return pdfNumber(colour.redF()) + u' ' + pdfNumber(colour.greenF()) + u' ' + pdfNumber(colour.blueF());
}

// Each text object drawn in a reading's tag reads as the reading, wrapped in a span that says so;
// then every tag, the painter's stroke colour as well as the text's fill, is the colour it stands
// for again.
QString readTaggedTexts(const QString& text, const QStringList& readings)
{
    if (readings.isEmpty())
        return text;
    static const QRegularExpression colour(uR"(([-0-9.]+) ([-0-9.]+) ([-0-9.]+) (scn|SCN)\n)"_s);
    static const QRegularExpression textObject(uR"(\G((?:/\w+ gs\n)?)(BT\n[\s\S]*?\nET\n))"_s);
    QString out;
    qsizetype from = 0;
    for (auto matches = colour.globalMatch(text); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const auto part = [&](int i) { return quint16(std::lround(match.captured(i).toDouble() * 0xffff)); };
        const auto tag = readingOfTag(QRgba64::fromRgba64(part(1), part(2), part(3), 0xffff));
        if (!tag || tag->Reading >= readings.size() || match.capturedStart() < from)
            continue;
        out += QStringView(text).mid(from, match.capturedStart() - from);
        out += pdfColour(tag->Colour) + u' ' + match.captured(4) + u'\n';
        from = match.capturedEnd();
        if (match.captured(4) != u"scn"_s)
            continue;
        const QRegularExpressionMatch drawn = textObject.match(text, from);
        if (!drawn.hasMatch())
            continue;
        out += drawn.captured(1) + u"/Span << /ActualText "_s + pdfTextString(readings[tag->Reading]) + u" >> BDC\n"_s
            + drawn.captured(2) + u"EMC\n"_s;
        from = drawn.capturedEnd();
    }
    out += QStringView(text).mid(from);
    return out;
}

// Qt's text layer names each glyph's character in ranges with a list of destinations; some
// readers (Ghostscript's text extraction among them) misread those lists, so each glyph gets a
// line of its own. The blank's glyph maps to U+0009 there, the first character the font gives that
// glyph to; nothing here draws a tab, so every U+0009 the map names is the blank.
QByteArray tidyUnicodeMap(const QByteArray& map)
{
    static const QRegularExpression rangeList(uR"(^<([0-9A-Fa-f]+)> <([0-9A-Fa-f]+)> \[([^\]]*)\]\s*$)"_s);
    static const QRegularExpression code(uR"(<([0-9A-Fa-f]+)>)"_s);
    const qsizetype begin = map.indexOf("beginbfrange");
    const qsizetype end = map.indexOf("endbfrange");
    if (begin < 0 || end < begin)
        return map;
    const qsizetype countStart = map.lastIndexOf('\n', begin) + 1;
    QList<QByteArray> ranges;
    QList<QByteArray> characters;
    for (const QByteArray& line : map.mid(begin + 12, end - begin - 12).split('\n')) {
        const QString text = QString::fromLatin1(line.trimmed());
        if (text.isEmpty())
            continue;
        const auto match = rangeList.match(text);
        if (!match.hasMatch()) {
            ranges.append(line.trimmed());
            continue;
        }
        const QString first = match.captured(1);
        int glyph = first.toInt(nullptr, 16);
        for (auto destinations = code.globalMatch(match.captured(3)); destinations.hasNext(); ++glyph) {
            QString destination = destinations.next().captured(1);
            if (destination == u"0009"_s)
                destination = u"0020"_s;
            characters.append(
                u"<%1> <%2>"_s.arg(glyph, int(first.size()), 16, QChar(u'0')).toUpper().arg(destination).toLatin1());
        }
    }
    QByteArray out = map.left(countStart);
    for (qsizetype i = 0; i < characters.size(); i += 100) {
        const QList<QByteArray> block = characters.mid(i, 100);
        out += QByteArray::number(block.size()) + " beginbfchar\n" + block.join('\n') + "\nendbfchar\n";
    }
    if (!ranges.isEmpty())
        out += QByteArray::number(ranges.size()) + " beginbfrange\n" + ranges.join('\n') + "\nendbfrange\n";
    return out + map.mid(map.indexOf('\n', end) + 1);
}

QSet<int> referenced(const std::vector<PdfObject>& objects, const QRegularExpression& reference)
{
    QSet<int> numbers;
    for (const PdfObject& object : objects) {
        const qsizetype stream = object.Body.indexOf("stream\n");
        const QString head = QString::fromLatin1(stream < 0 ? object.Body : object.Body.left(stream));
        for (auto matches = reference.globalMatch(head); matches.hasNext();)
            numbers.insert(matches.next().captured(1).toInt());
    }
    return numbers;
}

// The head of an object, before any stream data.
QByteArray headOf(const PdfObject& object)
{
    const qsizetype stream = object.Body.indexOf("stream\n");
    return stream < 0 ? object.Body : object.Body.left(stream);
}

// Each font named as its descriptor names it, with the subset's tag ("QRAAAA+IPAPGothic"), which
// the descriptor has and the font itself lacks: a font under two names is not embedded as far as
// some checkers can tell. A composite font takes the name of the font it is made of.
void tagFontNames(std::vector<PdfObject>& objects)
{
    static const QRegularExpression fontName(uR"(/FontName\s*/([A-Z]{6}\+[^\s/<>\[\]()]+))"_s);
    static const QRegularExpression descriptor(uR"(/FontDescriptor\s+(\d+)\s+0\s+R)"_s);
    static const QRegularExpression descendant(uR"(/DescendantFonts\s*\[\s*(\d+)\s+0\s+R)"_s);
    static const QRegularExpression baseFont(uR"(/BaseFont\s*/[^\s/<>\[\]()]+)"_s);
    std::map<int, QString> tagged;
    const auto nameIn = [&](int number, const QRegularExpression& pattern) -> std::optional<QString> {
        for (const PdfObject& object : objects) {
            if (object.Number == number) {
                const auto match = pattern.match(QString::fromLatin1(headOf(object)));
                if (match.hasMatch())
                    return match.captured(1);
            }
        }
        return std::nullopt;
    };
    for (const PdfObject& object : objects) {
        const auto match = descriptor.match(QString::fromLatin1(headOf(object)));
        if (!match.hasMatch())
            continue;
        if (const auto name = nameIn(match.captured(1).toInt(), fontName))
            tagged[object.Number] = *name;
    }
    for (const PdfObject& object : objects) {
        const auto match = descendant.match(QString::fromLatin1(headOf(object)));
        if (match.hasMatch() && tagged.contains(match.captured(1).toInt()))
            tagged[object.Number] = tagged[match.captured(1).toInt()];
    }
    for (PdfObject& object : objects) {
        const auto name = tagged.find(object.Number);
        if (name == tagged.end() || object.Body.contains("stream\n"))
            continue;
        QString body = QString::fromLatin1(object.Body);
        body.replace(baseFont, u"/BaseFont /"_s + name->second);
        object.Body = body.toLatin1();
    }
}

} // namespace

QByteArray tidyPdf(const QByteArray& pdf, const QStringList& readings)
{
    auto file = readPdf(pdf);
    if (!file)
        return pdf;
    static const QRegularExpression contents(uR"(/Contents\s+(\d+)\s+0\s+R)"_s);
    static const QRegularExpression unicodeMap(uR"(/ToUnicode\s+(\d+)\s+0\s+R)"_s);
    const QSet<int> contentObjects = referenced(file->Objects, contents);
    const QSet<int> mapObjects = referenced(file->Objects, unicodeMap);
    for (PdfObject& object : file->Objects) {
        const bool isContent = contentObjects.contains(object.Number);
        const bool isMap = mapObjects.contains(object.Number);
        if (isContent || isMap) {
            auto stream = streamOf(object.Body);
            if (!stream)
                return pdf;
            stream->Data = isContent ? readTaggedTexts(tidyColoursAndBold(stream->Data), readings).toLatin1()
                                     : tidyUnicodeMap(stream->Data);
            object.Body = bodyOf(*stream);
            continue;
        }
        // The document's language, so that a reader reads its text as Japanese.
        if (object.Body.contains("/Type /Catalog") && !object.Body.contains("/Lang"))
            object.Body.replace("/Type /Catalog", "/Type /Catalog\n/Lang (ja)");
        if (object.Body.contains("/ColorSpace") && !object.Body.contains("stream\n")) {
            object.Body.replace("/CSp /DeviceRGB\n", "");
            object.Body.replace("/CSpg /DeviceGray\n", "");
        }
    }
    tagFontNames(file->Objects);
    return writePdf(*file);
}

} // namespace zelmora
