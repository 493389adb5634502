// Writes a made-up language from a .ts file: every text translated into itself between "⟪" and
// "⟫", its letters swapped for their full-width look-alikes and its places ("%1") kept, so that
// any English word the window still shows is a text that escaped translation. Run as
//   made_up_language <from.ts> <to.ts>
#include <cstdio>
#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

QString madeUp(const QString& text) {
    QString result = QStringLiteral("⟪");
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'%' && at + 1 < text.size() && text[at + 1].isDigit()) {
            result += c;
            result += text[++at];
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
            result += QChar(c.unicode() - u'!' + 0xff01);
        } else {
            result += c;
        }
    }
    return result + QStringLiteral("⟫");
}

using Context = QPair<QString, QStringList>;

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: made_up_language <from.ts> <to.ts>\n", stderr);
        return 2;
    }
    QFile from(QString::fromLocal8Bit(argv[1]));
    QFile to(QString::fromLocal8Bit(argv[2]));
    if (!from.open(QIODevice::ReadOnly) || !to.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fputs("made_up_language: cannot open the files\n", stderr);
        return 1;
    }
    QList<Context> contexts;
    QXmlStreamReader reader(&from);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"context")
            contexts.append(Context{});
        else if (reader.name() == u"name" && !contexts.isEmpty())
            contexts.last().first = reader.readElementText();
        else if (reader.name() == u"source" && !contexts.isEmpty())
            contexts.last().second.append(reader.readElementText());
    }
    if (reader.hasError() || contexts.isEmpty()) {
        std::fprintf(stderr, "made_up_language: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    QXmlStreamWriter writer(&to);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    for (const auto& [name, sources] : contexts) {
        writer.writeStartElement(QStringLiteral("context"));
        writer.writeTextElement(QStringLiteral("name"), name);
        for (const QString& source : sources) {
            writer.writeStartElement(QStringLiteral("message"));
            writer.writeTextElement(QStringLiteral("source"), source);
            writer.writeTextElement(QStringLiteral("translation"), madeUp(source));
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return 0;
}
