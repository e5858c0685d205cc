// tarvel-desktop-files: writes the files that integrate an installed Tarvel into the desktop. Run by
// the build, not installed.
//
//   tarvel-desktop-files mime OUT              the ".ov1" type definition (shared-mime-info)
//   tarvel-desktop-files desktop OUT           the desktop entry, starting "tarvel" from PATH
//   tarvel-desktop-files icon SVG SIZE OUT     the SVG icon rendered as a SIZE x SIZE PNG
//
// The type definition and the desktop entry come from the functions the program uses to register the
// type per user on its first start, with the same description (text DiaryFileType), so the two cannot drift.
#include "platform/FileTypeRegistry.h"
#include "platform/SafeFile.h"
#include "platform/TextTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int kLargestIcon = 1024;

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    return tarvel::WriteFileSafely(
        path, [&](QIODevice& out) { return tarvel::WriteAll(out, bytes.constData(), bytes.size()); });
}

bool RenderIcon(const QString& svgPath, int size, const QString& pngPath)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.save(pngPath, "PNG");
}

int Usage()
{
    std::fputs("Usage: tarvel-desktop-files mime OUT | desktop OUT | icon SVG SIZE OUT\n", stderr);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    bool written = false;
    if (args.size() == 2 && args[0] == QLatin1String("mime")) {
        written =
            WriteBytes(args[1], tarvel::MimeDefinition(tarvel::LoadText(tarvel::TextId::DiaryFileType)));
    } else if (args.size() == 2 && args[0] == QLatin1String("desktop")) {
        written = WriteBytes(args[1], tarvel::DesktopEntry(QStringLiteral("tarvel")));
    } else if (args.size() == 4 && args[0] == QLatin1String("icon")) {
        bool ok = false;
        const int size = args[2].toInt(&ok);
        if (!ok || size < 1 || size > kLargestIcon)
            return Usage();
        written = RenderIcon(args[1], size, args[3]);
    } else {
        return Usage();
    }
    if (!written) {
        std::fprintf(stderr, "tarvel-desktop-files: cannot make %s\n", qPrintable(args.constLast()));
        return 2;
    }
    return 0;
}
