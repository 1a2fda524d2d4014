// Draws the game's SVG pictures once, when the game is built, at the sizes
// listed in resources/art/sizes.txt, and writes them as C++ arrays of
// premultiplied ARGB pixels, so the game neither parses SVG nor decodes
// images when it starts.
//   torvane-artgen SIZES_FILE SVG_FOLDER OUTPUT_CPP

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kRatios[] = {1, 2};

struct Entry {
    std::string name;
    int width = 0;
    int height = 0;
};

std::vector<Entry> ReadSizes(const char* path, bool& ok)
{
    std::vector<Entry> entries;
    std::ifstream in(path);
    ok = static_cast<bool>(in);
    std::string line;
    while (ok && std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        Entry entry;
        if (!(fields >> entry.name >> entry.width >> entry.height) || entry.width <= 0 || entry.height <= 0) {
            std::fprintf(stderr, "torvane-artgen: bad line in %s: %s\n", path, line.c_str());
            ok = false;
        }
        entries.push_back(entry);
    }
    return entries;
}

// The picture scaled to the whole image, over transparency, as the window drew it.
QImage Draw(QSvgRenderer& renderer, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: torvane-artgen SIZES_FILE SVG_FOLDER OUTPUT_CPP\n");
        return 2;
    }
    // Drawn without a display; the platform wants a private runtime folder.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QGuiApplication app(argc, argv);
    bool ok = false;
    const std::vector<Entry> entries = ReadSizes(argv[1], ok);
    if (!ok)
        return 1;

    std::ostringstream arrays;
    std::ostringstream table;
    int index = 0;
    for (const Entry& entry : entries) {
        const QString svg = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/') +
                            QString::fromStdString(entry.name) + QStringLiteral(".svg");
        QSvgRenderer renderer(svg);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "torvane-artgen: cannot read %s\n", qPrintable(svg));
            return 1;
        }
        for (int ratio : kRatios) {
            const QImage image = Draw(renderer, entry.width * ratio, entry.height * ratio);
            arrays << "const unsigned int kPixels" << index << "[] = {";
            for (int y = 0; y < image.height(); ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    arrays << (x % 8 == 0 ? "\n    " : " ") << "0x" << std::hex << row[x] << std::dec << "u,";
            }
            arrays << "\n};\n";
            table << "    {\"" << entry.name << "\", " << entry.width << ", " << entry.height << ", "
                  << ratio << ", kPixels" << index << "},\n";
            ++index;
        }
    }

    std::ofstream out(argv[3]);
    out << "// Written by torvane-artgen from resources/art: do not edit.\n"
        << "#include \"ui/controls/art_data.h\"\n\nnamespace {\n\n"
        << arrays.str() << "\n}  // namespace\n\n"
        << "const ArtImage kArtImages[] = {\n" << table.str() << "};\n"
        << "const int kArtImageCount = " << index << ";\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "torvane-artgen: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
