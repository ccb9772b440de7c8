// Writes the pixels of the icon's PNG renderings into a C++ source file, as a pixmap holds
// them (premultiplied ARGB32, row after row, in runs of one colour), so that the program sets
// its window icon without decoding a PNG at start-up: icon_pixels <output.cpp> <edge>.png...
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output.cpp> <edge>.png...\n", argv[0]);
        return 2;
    }
    QString source;
    QTextStream out(&source);
    out << "// Made by icon_pixels from the icon's renderings at build time.\n"
           "#include \"program_icon_pixels.h\"\n\n"
           "namespace nimbaro {\nnamespace {\n\n";
    QStringList renderings;
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        const int edge = QFileInfo(path).baseName().toInt();
        // The conversion a pixmap makes of the image read from the file.
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || image.size() != QSize(edge, edge)) {
            std::fprintf(stderr, "icon_pixels: %s is not a square PNG named by its edge\n",
                         argv[i]);
            return 1;
        }
        // A 32-bit image has no padding at the ends of its rows.
        const auto* pixels = reinterpret_cast<const quint32*>(image.constBits());
        const qsizetype count = qsizetype(edge) * edge;
        out << "constexpr PixelRun kEdge" << edge << "[] = {";
        int runs = 0;
        for (qsizetype start = 0, end = 0; start < count; start = end) {
            while (end < count && pixels[end] == pixels[start]) {
                ++end;
            }
            out << (runs++ % 4 == 0 ? "\n    " : " ") << "{0x"
                << QString::number(pixels[start], 16).rightJustified(8, u'0') << ", " << end - start
                << "},";
        }
        out << "\n};\n\n";
        renderings << QStringLiteral("{%1, kEdge%1}").arg(edge);
    }
    out << "constexpr IconPixels kRenderings[] = {" << renderings.join(QStringLiteral(", "))
        << "};\n\n}  // namespace\n\n"
           "std::span<const IconPixels> iconRenderingPixels() {\n"
           "    return kRenderings;\n}\n\n}  // namespace nimbaro\n";
    out.flush();

    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = source.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "icon_pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
