// Draws every icon of the icon table, writes the files under the given
// resources directory together with korvel.qrc, and optionally composes a
// contact sheet (every icon, 4 x enlarged) to look them over.
#include "IconEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

namespace {

// BMP carries no alpha channel: those icons sit on the grey of a button face.
const QColor bmpBackground(240, 240, 240);

bool isBmp(const IconEntry& entry)
{
    return QString::fromLatin1(entry.file).endsWith(QLatin1String(".bmp"));
}

QImage render(const IconEntry& entry)
{
    QImage image(entry.width, entry.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(isBmp(entry) ? bmpBackground : QColor(Qt::transparent));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = qMin(entry.width, entry.height) / 16.0;
    painter.translate((entry.width - 16 * scale) / 2, (entry.height - 16 * scale) / 2);
    painter.scale(scale, scale);
    entry.paint(painter, entry.style);
    painter.end();
    return isBmp(entry) ? image.convertToFormat(QImage::Format_RGB32) : image;
}

bool writeIcon(const QDir& resources, const IconEntry& entry, const QImage& image)
{
    const QString target = resources.filePath(QString::fromLatin1(entry.file));
    QDir().mkpath(QFileInfo(target).path());
    if (!image.save(target, isBmp(entry) ? "BMP" : "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
        return false;
    }
    return true;
}

// One <qresource> per prefix, in the order the table first names it.
bool writeCollection(const QDir& resources)
{
    QStringList prefixes;
    QMap<QString, QStringList> entries;
    for (int i = 0; i < iconTableSize; ++i) {
        const QString prefix = QString::fromLatin1(iconTable[i].prefix);
        if (!entries.contains(prefix))
            prefixes << prefix;
        entries[prefix] << QStringLiteral("        <file alias=\"%1\">%2</file>")
                               .arg(QString::fromLatin1(iconTable[i].path), QString::fromLatin1(iconTable[i].file));
    }
    QSaveFile file(resources.filePath(QStringLiteral("korvel.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n";
    out << "<!-- Written by tools/icongen from its icon table; edit the table, not this file. -->\n";
    for (const QString& prefix : prefixes) {
        out << "    <qresource prefix=\"" << prefix << "\">\n";
        for (const QString& line : entries[prefix])
            out << line << "\n";
        out << "    </qresource>\n";
    }
    out << "</RCC>\n";
    out.flush();
    return file.commit();
}

void writeContactSheet(const QString& target, const QList<QImage>& images)
{
    const int zoom = 4;
    const int cell = 30 * zoom;
    const int columns = 12;
    const int rows = (int(images.size()) + columns - 1) / columns;
    QImage sheet(columns * cell, rows * cell, QImage::Format_RGB32);
    sheet.fill(QColor(255, 255, 255));
    QPainter painter(&sheet);
    for (int i = 0; i < images.size(); ++i) {
        const QImage& icon = images.at(i);
        const QRect cellRect((i % columns) * cell, (i / columns) * cell, cell, cell);
        // A checkerboard would hide thin outlines; a light grey half shows
        // how each icon reads on both a white and a toolbar background.
        painter.fillRect(cellRect.adjusted(0, cellRect.height() / 2, 0, 0), QColor(225, 225, 225));
        const QSize size = icon.size() * zoom;
        painter.drawImage(QRect(cellRect.center() - QPoint(size.width() / 2, size.height() / 2), size), icon);
    }
    painter.end();
    sheet.save(target);
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: korvel-icongen RESOURCES_DIR [CONTACT_SHEET.png]\n");
        return 2;
    }
    const QDir resources(args.at(1));
    QList<QImage> images;
    for (int i = 0; i < iconTableSize; ++i) {
        images << render(iconTable[i]);
        if (!writeIcon(resources, iconTable[i], images.last()))
            return 1;
    }
    if (!writeCollection(resources)) {
        std::fprintf(stderr, "cannot write korvel.qrc\n");
        return 1;
    }
    if (args.size() > 2)
        writeContactSheet(args.at(2), images);
    std::printf("%d icons written\n", iconTableSize);
    return 0;
}
