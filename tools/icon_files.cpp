// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Writes the programs' icons as files for the desktop's icon theme: PNGs of
// every usual size and an SVG, drawn by the same code as the windows' icons.
//   icon_files <folder>   ->  <folder>/<N>x<N>/apps/{zelvo,wendra}.png,
//                              <folder>/scalable/apps/{zelvo,wendra}.svg
#include "antenna/program_icon.h"
#include "ui/icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <array>
#include <cstdio>
#include <functional>

namespace {

using Emblem = std::function<void(QPainter&, const QRectF&)>;

constexpr std::array<int, 8> pngSizes{16, 22, 24, 32, 48, 64, 128, 256};
constexpr int svgSize = 256;

bool writePng(const QString& path, int size, const Emblem& paint)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p, QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    p.end();
    return image.save(path, "PNG");
}

bool writeSvg(const QString& path, const QString& title, const Emblem& paint)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(title);
    svg.setSize(QSize(svgSize, svgSize));
    svg.setViewBox(QRect(0, 0, svgSize, svgSize));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    paint(p, QRectF(0.5, 0.5, svgSize - 1.0, svgSize - 1.0));
    return p.end();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    // Runs during the build, where there may be no display; the application
    // only supplies the default font the SVG writer records.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::array<std::pair<QString, Emblem>, 2> icons{{
        {QStringLiteral("zelvo"), zelvo::paintChartEmblem},
        {QStringLiteral("wendra"), wendra::paintProgramEmblem},
    }};
    bool ok = true;
    for (const auto& [name, paint] : icons) {
        for (int size : pngSizes) {
            const QString folder = QStringLiteral("%1x%1/apps").arg(size);
            ok = out.mkpath(folder) && writePng(out.filePath(folder + '/' + name + ".png"), size, paint) && ok;
        }
        const QString title = name.front().toUpper() + name.mid(1);
        ok = out.mkpath(QStringLiteral("scalable/apps")) &&
             writeSvg(out.filePath("scalable/apps/" + name + ".svg"), title, paint) && ok;
    }
    if (!ok)
        std::fprintf(stderr, "icon_files: could not write the icons into %s\n", argv[1]);
    return ok ? 0 : 1;
}
