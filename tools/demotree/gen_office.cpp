#include "demotree/gen_office.h"

#include "demotree/exercises.h"
#include "demotree/gen_shared.h"

#include <QFile>
#include <QRegularExpression>
#include <QtEndian>
#include <array>

namespace demotree::office {

namespace {

// ---- ZIP ------------------------------------------------------------------

// 2024-09-01 08:00:00 in MS-DOS form.
constexpr quint16 kDosTime = (8 << 11);
constexpr quint16 kDosDate = ((2024 - 1980) << 9) | (9 << 5) | 1;

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// ---- XML ------------------------------------------------------------------

QString esc(const QString& text) { return text.toHtmlEscaped(); }

const char* const kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const char* const kRelNs = "http://schemas.openxmlformats.org/package/2006/relationships";
const char* const kOfficeRel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char* const kCt = "application/vnd.openxmlformats-";

QByteArray xml(const QString& body) { return QByteArray(kXmlHead) + body.toUtf8(); }

struct Rel {
    QString type;    // last part of the relationship type
    QString target;  // relative to the source part's folder
};

QByteArray rels(const QList<Rel>& list)
{
    QString x = QStringLiteral("<Relationships xmlns=\"%1\">").arg(QLatin1String(kRelNs));
    for (qsizetype i = 0; i < list.size(); ++i)
        x += QStringLiteral("<Relationship Id=\"rId%1\" Type=\"%2/%3\" Target=\"%4\"/>")
                 .arg(i + 1)
                 .arg(QLatin1String(kOfficeRel), list[i].type, list[i].target);
    return xml(x + QStringLiteral("</Relationships>"));
}

// overrides: part name (with leading "/") and the content type after the
// common "application/vnd.openxmlformats-" prefix.
QByteArray contentTypes(const QList<std::pair<QString, QString>>& overrides)
{
    QString x = QStringLiteral(
                    "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                    "<Default Extension=\"rels\" ContentType=\"%1package.relationships+xml\"/>"
                    "<Default Extension=\"xml\" ContentType=\"application/xml\"/>")
                    .arg(QLatin1String(kCt));
    for (const auto& [part, type] : overrides)
        x += QStringLiteral("<Override PartName=\"%1\" ContentType=\"%2%3\"/>").arg(part, QLatin1String(kCt), type);
    return xml(x + QStringLiteral("</Types>"));
}

ZipEntry entry(const char* name, QByteArray data) { return {QString::fromLatin1(name), std::move(data)}; }

// ---- PowerPoint parts -----------------------------------------------------

const char* const kPresNs =
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:p=\"http://schemas.openxmlformats.org/presentationml/2006/main\"";

const char* const kEmptyTree =
    "<p:nvGrpSpPr><p:cNvPr id=\"1\" name=\"\"/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr>"
    "<p:grpSpPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext cx=\"0\" cy=\"0\"/>"
    "<a:chOff x=\"0\" y=\"0\"/><a:chExt cx=\"0\" cy=\"0\"/></a:xfrm></p:grpSpPr>";

QByteArray theme()
{
    QString accents;
    const char* colours[] = {"4F81BD", "C0504D", "9BBB59", "8064A2", "4BACC6", "F79646"};
    for (int i = 0; i < 6; ++i)
        accents += QStringLiteral("<a:accent%1><a:srgbClr val=\"%2\"/></a:accent%1>").arg(i + 1).arg(QLatin1String(colours[i]));
    const QString fill = QStringLiteral("<a:solidFill><a:schemeClr val=\"phClr\"/></a:solidFill>");
    const QString line = QStringLiteral("<a:ln w=\"9525\">") + fill + QStringLiteral("</a:ln>");
    const QString effect = QStringLiteral("<a:effectStyle><a:effectLst/></a:effectStyle>");
    const QString font = QStringLiteral("<a:latin typeface=\"Calibri\"/><a:ea typeface=\"\"/><a:cs typeface=\"\"/>");
    return xml(QStringLiteral("<a:theme xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" name=\"Office\">"
                              "<a:themeElements><a:clrScheme name=\"Office\">"
                              "<a:dk1><a:sysClr val=\"windowText\" lastClr=\"000000\"/></a:dk1>"
                              "<a:lt1><a:sysClr val=\"window\" lastClr=\"FFFFFF\"/></a:lt1>"
                              "<a:dk2><a:srgbClr val=\"1F497D\"/></a:dk2><a:lt2><a:srgbClr val=\"EEECE1\"/></a:lt2>") +
               accents +
               QStringLiteral("<a:hlink><a:srgbClr val=\"0000FF\"/></a:hlink><a:folHlink><a:srgbClr val=\"800080\"/></a:folHlink>"
                              "</a:clrScheme><a:fontScheme name=\"Office\"><a:majorFont>") +
               font + QStringLiteral("</a:majorFont><a:minorFont>") + font +
               QStringLiteral("</a:minorFont></a:fontScheme><a:fmtScheme name=\"Office\"><a:fillStyleLst>") + fill + fill + fill +
               QStringLiteral("</a:fillStyleLst><a:lnStyleLst>") + line + line + line +
               QStringLiteral("</a:lnStyleLst><a:effectStyleLst>") + effect + effect + effect +
               QStringLiteral("</a:effectStyleLst><a:bgFillStyleLst>") + fill + fill + fill +
               QStringLiteral("</a:bgFillStyleLst></a:fmtScheme></a:themeElements>"
                              "<a:objectDefaults/><a:extraClrSchemeLst/></a:theme>"));
}

QByteArray slideMaster()
{
    return xml(QStringLiteral("<p:sldMaster %1><p:cSld><p:bg><p:bgRef idx=\"1001\"><a:schemeClr val=\"bg1\"/></p:bgRef></p:bg>"
                              "<p:spTree>%2</p:spTree></p:cSld>"
                              "<p:clrMap bg1=\"lt1\" tx1=\"dk1\" bg2=\"lt2\" tx2=\"dk2\" accent1=\"accent1\" accent2=\"accent2\" "
                              "accent3=\"accent3\" accent4=\"accent4\" accent5=\"accent5\" accent6=\"accent6\" "
                              "hlink=\"hlink\" folHlink=\"folHlink\"/>"
                              "<p:sldLayoutIdLst><p:sldLayoutId id=\"2147483649\" r:id=\"rId1\"/></p:sldLayoutIdLst>"
                              "</p:sldMaster>")
                   .arg(QLatin1String(kPresNs), QLatin1String(kEmptyTree)));
}

QByteArray slideLayout()
{
    return xml(QStringLiteral("<p:sldLayout %1 type=\"blank\" preserve=\"1\"><p:cSld name=\"Blank\"><p:spTree>%2</p:spTree></p:cSld>"
                              "<p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sldLayout>")
                   .arg(QLatin1String(kPresNs), QLatin1String(kEmptyTree)));
}

// One text box at a fixed place (EMU), one paragraph per line.
QString textBox(int id, const QString& name, qint64 y, qint64 cy, int size, bool bold, const QStringList& lines)
{
    QString paras;
    for (const QString& l : lines)
        paras += QStringLiteral("<a:p><a:r><a:rPr lang=\"zh-CN\" altLang=\"en-US\" sz=\"%1\"%2 dirty=\"0\"/><a:t>%3</a:t></a:r></a:p>")
                     .arg(size)
                     .arg(bold ? QStringLiteral(" b=\"1\"") : QString())
                     .arg(esc(l));
    return QStringLiteral("<p:sp><p:nvSpPr><p:cNvPr id=\"%1\" name=\"%2\"/><p:cNvSpPr txBox=\"1\"/><p:nvPr/></p:nvSpPr>"
                          "<p:spPr><a:xfrm><a:off x=\"685800\" y=\"%3\"/><a:ext cx=\"7772400\" cy=\"%4\"/></a:xfrm>"
                          "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom><a:noFill/></p:spPr>"
                          "<p:txBody><a:bodyPr wrap=\"square\" rtlCol=\"0\"><a:normAutofit/></a:bodyPr><a:lstStyle/>%5</p:txBody></p:sp>")
        .arg(id)
        .arg(esc(name))
        .arg(y)
        .arg(cy)
        .arg(paras);
}

QByteArray slide(const QString& spec)
{
    QStringList parts = spec.split('|');
    const QString title = parts.takeFirst();
    QString shapes = textBox(2, QStringLiteral("标题 1"), 457200, 1143000, 4000, true, {title});
    if (!parts.isEmpty()) shapes += textBox(3, QStringLiteral("文本框 2"), 1828800, 4114800, 2400, false, parts);
    return xml(QStringLiteral("<p:sld %1><p:cSld><p:spTree>%2%3</p:spTree></p:cSld>"
                              "<p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sld>")
                   .arg(QLatin1String(kPresNs), QLatin1String(kEmptyTree), shapes));
}

// ---- the generator ----------------------------------------------------------

using gen::fail;

bool copyFile(const QString& from, const QString& to, QString* error)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return fail(error, QStringLiteral("missing ") + from);
    return gen::writeBytes(to, in.readAll(), error);
}

QByteArray documentOf(const DemoExercise& ex)
{
    QStringList rest = ex.document;
    const QString first = rest.isEmpty() ? QString() : rest.takeFirst();
    if (ex.ext == QLatin1String("docx")) return wordDocument(first, rest);
    if (ex.ext == QLatin1String("xlsx")) return workbook(first, rest);
    return presentation(ex.document);
}

}  // namespace

quint32 crc32(const QByteArray& data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (char ch : data) c = table[(c ^ static_cast<quint8>(ch)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

QByteArray storedZip(const QList<ZipEntry>& entries)
{
    QByteArray out;
    QByteArray central;
    for (const ZipEntry& e : entries) {
        const QByteArray name = e.name.toUtf8();
        const quint32 crc = crc32(e.data);
        const auto size = static_cast<quint32>(e.data.size());
        const auto offset = static_cast<quint32>(out.size());
        // local file header
        put32(out, 0x04034b50);
        put16(out, 10);  // version needed: stored entries
        put16(out, 0);   // flags
        put16(out, 0);   // method: stored
        put16(out, kDosTime);
        put16(out, kDosDate);
        put32(out, crc);
        put32(out, size);
        put32(out, size);
        put16(out, static_cast<quint16>(name.size()));
        put16(out, 0);  // extra field length
        out += name;
        out += e.data;
        // central directory record
        put32(central, 0x02014b50);
        put16(central, 20);  // made by: MS-DOS, 2.0
        put16(central, 10);
        put16(central, 0);
        put16(central, 0);
        put16(central, kDosTime);
        put16(central, kDosDate);
        put32(central, crc);
        put32(central, size);
        put32(central, size);
        put16(central, static_cast<quint16>(name.size()));
        put16(central, 0);  // extra
        put16(central, 0);  // comment
        put16(central, 0);  // disk
        put16(central, 0);  // internal attributes
        put32(central, 0);  // external attributes
        put32(central, offset);
        central += name;
    }
    const auto centralOffset = static_cast<quint32>(out.size());
    out += central;
    // end of central directory
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<quint16>(entries.size()));
    put16(out, static_cast<quint16>(entries.size()));
    put32(out, static_cast<quint32>(central.size()));
    put32(out, centralOffset);
    put16(out, 0);
    return out;
}

QByteArray wordDocument(const QString& title, const QStringList& paragraphs)
{
    const QString font = QStringLiteral("<w:rFonts w:ascii=\"宋体\" w:eastAsia=\"宋体\" w:hAnsi=\"宋体\"/>");
    QString body = QStringLiteral("<w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:r><w:rPr>%1<w:b/><w:sz w:val=\"32\"/></w:rPr>"
                                  "<w:t>%2</w:t></w:r></w:p>")
                       .arg(font, esc(title));
    for (const QString& p : paragraphs)
        body += QStringLiteral("<w:p><w:pPr><w:ind w:firstLineChars=\"200\" w:firstLine=\"420\"/></w:pPr>"
                               "<w:r><w:rPr>%1<w:sz w:val=\"21\"/></w:rPr><w:t xml:space=\"preserve\">%2</w:t></w:r></w:p>")
                    .arg(font, esc(p));
    body += QStringLiteral("<w:sectPr><w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
                           "<w:pgMar w:top=\"1440\" w:right=\"1800\" w:bottom=\"1440\" w:left=\"1800\" "
                           "w:header=\"851\" w:footer=\"992\" w:gutter=\"0\"/></w:sectPr>");
    const QByteArray document =
        xml(QStringLiteral("<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                           "<w:body>%1</w:body></w:document>")
                .arg(body));
    return storedZip({
        entry("[Content_Types].xml",
              contentTypes({{QStringLiteral("/word/document.xml"), QStringLiteral("officedocument.wordprocessingml.document.main+xml")}})),
        entry("_rels/.rels", rels({{QStringLiteral("officeDocument"), QStringLiteral("word/document.xml")}})),
        entry("word/document.xml", document),
    });
}

QByteArray workbook(const QString& sheetName, const QStringList& rows)
{
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    QString data;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        data += QStringLiteral("<row r=\"%1\">").arg(r + 1);
        const QStringList cells = rows[r].split(',');
        for (qsizetype c = 0; c < cells.size() && c < 26; ++c) {
            const QString ref = QChar(char16_t(u'A' + c)) + QString::number(r + 1);
            const QString style = r == 0 ? QStringLiteral(" s=\"1\"") : QString();
            if (number.match(cells[c]).hasMatch())
                data += QStringLiteral("<c r=\"%1\"%2><v>%3</v></c>").arg(ref, style, cells[c]);
            else
                data += QStringLiteral("<c r=\"%1\"%2 t=\"inlineStr\"><is><t>%3</t></is></c>").arg(ref, style, esc(cells[c]));
        }
        data += QStringLiteral("</row>");
    }
    const char* const ns = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
    const QByteArray sheet = xml(QStringLiteral("<worksheet xmlns=\"%1\"><sheetData>%2</sheetData></worksheet>")
                                     .arg(QLatin1String(ns), data));
    const QByteArray book = xml(QStringLiteral("<workbook xmlns=\"%1\" xmlns:r=\"%2\"><sheets>"
                                               "<sheet name=\"%3\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>")
                                    .arg(QLatin1String(ns), QLatin1String(kOfficeRel), esc(sheetName)));
    const QByteArray styles = xml(
        QStringLiteral("<styleSheet xmlns=\"%1\">"
                       "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"宋体\"/></font>"
                       "<font><b/><sz val=\"11\"/><name val=\"宋体\"/></font></fonts>"
                       "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
                       "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
                       "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
                       "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
                       "<cellXfs count=\"2\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
                       "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/></cellXfs>"
                       "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
                       "</styleSheet>")
            .arg(QLatin1String(ns)));
    return storedZip({
        entry("[Content_Types].xml",
              contentTypes({{QStringLiteral("/xl/workbook.xml"), QStringLiteral("officedocument.spreadsheetml.sheet.main+xml")},
                            {QStringLiteral("/xl/worksheets/sheet1.xml"), QStringLiteral("officedocument.spreadsheetml.worksheet+xml")},
                            {QStringLiteral("/xl/styles.xml"), QStringLiteral("officedocument.spreadsheetml.styles+xml")}})),
        entry("_rels/.rels", rels({{QStringLiteral("officeDocument"), QStringLiteral("xl/workbook.xml")}})),
        entry("xl/workbook.xml", book),
        entry("xl/_rels/workbook.xml.rels", rels({{QStringLiteral("worksheet"), QStringLiteral("worksheets/sheet1.xml")},
                                                  {QStringLiteral("styles"), QStringLiteral("styles.xml")}})),
        entry("xl/worksheets/sheet1.xml", sheet),
        entry("xl/styles.xml", styles),
    });
}

QByteArray presentation(const QStringList& slides)
{
    const QString pml = QStringLiteral("officedocument.presentationml.");
    QList<std::pair<QString, QString>> types = {
        {QStringLiteral("/ppt/presentation.xml"), pml + QStringLiteral("presentation.main+xml")},
        {QStringLiteral("/ppt/slideMasters/slideMaster1.xml"), pml + QStringLiteral("slideMaster+xml")},
        {QStringLiteral("/ppt/slideLayouts/slideLayout1.xml"), pml + QStringLiteral("slideLayout+xml")},
        {QStringLiteral("/ppt/theme/theme1.xml"), QStringLiteral("officedocument.theme+xml")},
    };
    QList<Rel> presRels = {{QStringLiteral("slideMaster"), QStringLiteral("slideMasters/slideMaster1.xml")},
                           {QStringLiteral("theme"), QStringLiteral("theme/theme1.xml")}};
    QString ids;
    QList<ZipEntry> slideParts;
    for (qsizetype i = 0; i < slides.size(); ++i) {
        const QString part = QStringLiteral("slides/slide%1.xml").arg(i + 1);
        types.append({QStringLiteral("/ppt/") + part, pml + QStringLiteral("slide+xml")});
        presRels.append({QStringLiteral("slide"), part});
        ids += QStringLiteral("<p:sldId id=\"%1\" r:id=\"rId%2\"/>").arg(256 + i).arg(presRels.size());
        slideParts.append({QStringLiteral("ppt/") + part, slide(slides[i])});
        slideParts.append({QStringLiteral("ppt/slides/_rels/slide%1.xml.rels").arg(i + 1),
                           rels({{QStringLiteral("slideLayout"), QStringLiteral("../slideLayouts/slideLayout1.xml")}})});
    }
    const QByteArray pres =
        xml(QStringLiteral("<p:presentation %1 saveSubsetFonts=\"1\">"
                           "<p:sldMasterIdLst><p:sldMasterId id=\"2147483648\" r:id=\"rId1\"/></p:sldMasterIdLst>"
                           "<p:sldIdLst>%2</p:sldIdLst>"
                           "<p:sldSz cx=\"9144000\" cy=\"6858000\" type=\"screen4x3\"/><p:notesSz cx=\"6858000\" cy=\"9144000\"/>"
                           "</p:presentation>")
                .arg(QLatin1String(kPresNs), ids));
    QList<ZipEntry> all = {
        {QStringLiteral("[Content_Types].xml"), contentTypes(types)},
        entry("_rels/.rels", rels({{QStringLiteral("officeDocument"), QStringLiteral("ppt/presentation.xml")}})),
        entry("ppt/presentation.xml", pres),
        entry("ppt/_rels/presentation.xml.rels", rels(presRels)),
        entry("ppt/slideMasters/slideMaster1.xml", slideMaster()),
        entry("ppt/slideMasters/_rels/slideMaster1.xml.rels",
              rels({{QStringLiteral("slideLayout"), QStringLiteral("../slideLayouts/slideLayout1.xml")},
                    {QStringLiteral("theme"), QStringLiteral("../theme/theme1.xml")}})),
        entry("ppt/slideLayouts/slideLayout1.xml", slideLayout()),
        entry("ppt/slideLayouts/_rels/slideLayout1.xml.rels",
              rels({{QStringLiteral("slideMaster"), QStringLiteral("../slideMasters/slideMaster1.xml")}})),
        entry("ppt/theme/theme1.xml", theme()),
    };
    return storedZip(all + slideParts);
}

bool generateExerciseDocuments(const QString& materialsFolder, QString* error)
{
    for (const DemoExercise& ex : demoExercises()) {
        const QString bank = bankFolder(materialsFolder, ex.kind);
        const QString pristine = bank + QStringLiteral("/bk/") + ex.name() + '.' + ex.ext;
        if (!ex.document.isEmpty() && !gen::writeBytes(pristine, documentOf(ex), error)) return false;
        // The shipped working copy is the pristine document, as after an opening.
        if (!copyFile(pristine, bank + QStringLiteral("/题目文档/题目_") + ex.name() + '.' + ex.ext, error)) return false;
        if (ex.kind == QLatin1String("network")) {
            const QString texts = bank + QStringLiteral("/题目内容/");
            if (!copyFile(texts + QStringLiteral("框架/") + ex.name() + QStringLiteral(".txt"),
                          texts + ex.name() + QStringLiteral(".txt"), error))
                return false;
        }
    }
    return true;
}

}  // namespace demotree::office
