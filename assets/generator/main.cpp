// Draws every picture of the game and writes the files that assets/ carries.
// Run by hand after changing a drawing; the build only embeds the committed files.
#include "AppIcons.h"
#include "BmpWriter.h"
#include "Figures.h"
#include "IconWriter.h"
#include "IndexedBitmap.h"
#include "SmallPictures.h"
#include "Style.h"

#include <QDir>
#include <QFile>

#include <array>
#include <cstdio>
#include <set>
#include <span>

namespace {

using namespace duomira::art;

constexpr int kCardColours = 33;

// The screens the pictures are drawn for: the designed size, and 1.5 and 2 device
// pixels to each of its pixels. The denser files add the ratio to the name.
struct Density {
    qreal ratio;
    const char* suffix;
};
constexpr std::array<Density, 3> kDensities{{{1.0, ""}, {1.5, "@1.5x"}, {2.0, "@2x"}}};

QByteArray fileName(const char* designed, const Density& density) {
    QByteArray name(designed);
    return name.insert(name.lastIndexOf('.'), density.suffix);
}

bool writeFile(const QDir& dir, const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

// The game relies on a figure on white: white corners, one half to two thirds white.
bool followsCardRules(const char* name, const IndexedBitmap& picture) {
    const auto at = [&](int x, int y) {
        return picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
    };
    const int w = picture.width - 1, h = picture.height - 1;
    const bool whiteCorners = at(0, 0) == 0 && at(w, 0) == 0 && at(0, h) == 0 && at(w, h) == 0;
    std::size_t white = 0;
    for (std::uint8_t index : picture.pixels)
        white += index == 0 ? 1 : 0;
    const std::size_t all = picture.pixels.size();
    const bool share = 2 * white >= all && 3 * white <= 2 * all;
    std::printf("%-24s %2zu colours, %5.1f%% white\n", name, picture.palette.size(),
                100.0 * static_cast<double>(white) / static_cast<double>(all));
    if (!whiteCorners || !share)
        std::fprintf(stderr, "%s: %s\n", name,
                     whiteCorners ? "white share out of range" : "corner not white");
    return whiteCorners && share;
}

// The same drawing at every density, centred: face 10's odd row count has no
// exact half-size, so its 1.5 picture gets the extra row of white. No two
// pictures of a density may look alike: a player could not tell them apart.
bool writeCardPicture(const QDir& dir, const Figure& figure, const Density& density,
                      std::set<QByteArray>& drawn) {
    QImage canvas =
        whiteCanvas(qRound(figure.width * density.ratio), qRound(figure.height * density.ratio));
    {
        QPainter painter(&canvas);
        prepare(painter);
        painter.translate(canvas.width() / 2.0, canvas.height() / 2.0);
        painter.scale(density.ratio * figure.scale, density.ratio * figure.scale);
        painter.translate(-figure.width / 2.0, -figure.height / 2.0);
        figure.draw(painter);
    }
    const IndexedBitmap picture = quantise(canvas, kCardColours);
    const QByteArray name = fileName(figure.file, density);
    // Written even when a rule fails, so the drawing can be looked at while fixing it.
    const QByteArray file = cardBitmapFile(picture);
    const bool written = writeFile(dir, name.constData(), file);
    const bool unlike = drawn.insert(file).second;
    if (!unlike)
        std::fprintf(stderr, "%s: drawn like another picture\n", name.constData());
    return followsCardRules(name.constData(), picture) && unlike && written;
}

// The hand keeps its corner hotspot at every density.
bool writeHandCursors(const QDir& dir) {
    bool ok = writeFile(dir, "hand.cur", cursorFile(handCursorImage(), 0, 0));
    for (const Density& density : std::span(kDensities).subspan(1))
        ok = writeFile(dir, fileName("hand.cur", density).constData(),
                       cursorFile(handCursorDrawing(density.ratio), 0, 0)) &&
             ok;
    return ok;
}

// The desktop's menu icons, one file per theme size, each drawn at its size.
bool writeAppIcons(const QDir& dir) {
    const QDir icons(dir.filePath(QStringLiteral("icons")));
    if (!icons.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(icons.path()));
        return false;
    }
    bool ok = true;
    for (int size : kAppIconSizes) {
        const QByteArray name = "duomira-" + QByteArray::number(size) + ".png";
        const QByteArray png = appIconFile(size);
        if (png.isEmpty())
            std::fprintf(stderr, "cannot encode %s\n", name.constData());
        ok = !png.isEmpty() && writeFile(icons, name.constData(), png) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (const Density& density : kDensities) {
        std::set<QByteArray> drawn;
        for (const auto& figures : {faceFigures(), otherFigures()})
            for (const Figure& figure : figures)
                ok = writeCardPicture(dir, figure, density, drawn) && ok;
    }
    ok = writeFile(dir, "icon.ico", iconFile(windowIconImages())) && ok;
    // The program file's own icon, as Explorer and the task bar show it at any scale.
    std::vector<QImage> programIcon;
    for (const int size : {16, 24, 32, 48, 256})
        programIcon.push_back(appIconImage(size));
    ok = writeFile(dir, "program.ico", fullColourIconFile(programIcon)) && ok;
    ok = writeFile(dir, "about_icon.ico", iconFile(aboutIconImages())) && ok;
    ok = writeHandCursors(dir) && ok;
    ok = writeAppIcons(dir) && ok;
    return ok ? 0 : 1;
}
