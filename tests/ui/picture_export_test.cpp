// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Picture files written without a window, read back: the SVG with Qt's XML
// reader, the PNG by its pixels, the PDF by its header and the poppler tools.
#include "core/chain.h"
#include "model/touchstone.h"
#include "render/gain_graph.h"
#include "render/render_fixtures.h"
#include "ui/picture_export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>

namespace zelvo {
namespace {

using namespace zelvo::testing;

struct SvgCounts {
    std::map<QString, int> elements;
    QStringList texts;

    // Strokes: Qt writes circles, arcs and polylines as paths or polylines.
    int strokes() const
    {
        int n = 0;
        for (const char* name : {"path", "polyline", "line"}) {
            const auto it = elements.find(QString::fromLatin1(name));
            n += it == elements.end() ? 0 : it->second;
        }
        return n;
    }
};

SvgCounts readSvg(const QString& path)
{
    QFile f(path);
    SvgCounts c;
    if (!f.open(QIODevice::ReadOnly))
        return c;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            ++c.elements[xml.name().toString()];
            if (xml.name() == QLatin1String("text"))
                c.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return c;
}

class PictureExport : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    Settings settings;
    Design design = everyKindDesign();
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    void TearDown() override
    {
        // For looking at the pictures: ZELVO_KEEP_PRINTS=/some/folder keeps them.
        const QByteArray keep = qgetenv("ZELVO_KEEP_PRINTS");
        if (keep.isEmpty())
            return;
        for (const QFileInfo& f : QDir(dir.path()).entryInfoList(QDir::Files))
            QFile::copy(f.filePath(),
                        QString::fromLocal8Bit(keep) + QLatin1Char('/') + f.fileName());
    }
};

TEST_F(PictureExport, SvgChartKeepsItsCirclesAndTexts)
{
    Design empty;
    const QString bare = file("bare.svg");
    ASSERT_EQ(exportChartPicture(empty, settings, bare), QString());
    const SvgCounts b = readSvg(bare);
    const QString full = file("chart.svg");
    ASSERT_EQ(exportChartPicture(design, settings, full), QString());
    const SvgCounts c = readSvg(full);

    // The grid alone: 6 resistance and 6 conductance circles, 12 + 12
    // reactance and susceptance arcs, the boundary and the centre mark, each
    // a path; 6 labels per family and kind.
    EXPECT_GE(b.strokes(), 38);
    EXPECT_EQ(b.texts.size(), 24);
    EXPECT_TRUE(b.texts.contains(QStringLiteral("50.0"))); // r = 1 at z0 = 50
    // The design adds its markers, arcs and point numbers.
    EXPECT_GT(c.strokes(), b.strokes() + 12);
    EXPECT_GT(c.texts.size(), b.texts.size());
}

TEST_F(PictureExport, PngHasTheChosenSizeOnWhiteWithTheBoundaryWhereItBelongs)
{
    const QString png = file("chart.png");
    ASSERT_EQ(exportChartPicture(Design{}, settings, png, 1200), QString());
    const QImage img(png);
    ASSERT_EQ(img.size(), QSize(1200, 1200));
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 255, 255));
    // Boundary radius 270 / 600 of the side, along the horizontal axis the
    // axis line is drawn too, so look straight up from the centre.
    const int r = 540;
    int darkest = 255;
    for (int dy = -3; dy <= 3; ++dy)
        darkest = std::min(darkest, qGray(img.pixel(600, 600 - r + dy)));
    EXPECT_LT(darkest, 128);
    EXPECT_EQ(img.pixel(600, 600 - r - 20), qRgb(255, 255, 255));
}

TEST_F(PictureExport, PlotLabelsStayInsideLargePictures)
{
    SParamSet set;
    const QString s2p = QStringLiteral(ZELVO_TESTDATA_DIR "/touchstone/NE02103.s2p");
    if (!QFileInfo::exists(s2p) ||
        loadTouchstoneFile(set, s2p.toStdString()).status != LoadStatus::Ok)
        GTEST_SKIP() << "test data absent";
    const PictureSource src{&design, &set, &settings};
    // The top "50.0" of S11 and the full scale at the rim of S21 were cut
    // off: no ink may touch the picture's edges.
    for (PictureView v : {PictureView::S11, PictureView::S21}) {
        SCOPED_TRACE(pictureViewName(v).toStdString());
        const QString png = dir.filePath(pictureViewName(v) + QStringLiteral(".png"));
        ASSERT_EQ(exportPicture(src, v, png, 2000), QString());
        const QImage img = QImage(png).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(img.size(), QSize(2000, 2000));
        int ink = 0;
        for (int i = 0; i < 2000; ++i)
            for (QPoint p : {QPoint(i, 0), QPoint(i, 1999), QPoint(0, i), QPoint(1999, i)})
                ink += (img.pixel(p) & 0xFFFFFF) != 0xFFFFFF;
        EXPECT_EQ(ink, 0);
    }
    // The exported gain graph names every grid line as a large window does.
    const QString svg = file("gain.svg");
    ASSERT_EQ(exportPicture(src, PictureView::GainGraph, svg, 1200), QString());
    const SvgCounts c = readSvg(svg);
    const GainAxes a = gainGraphAxes(set);
    const int span = static_cast<int>(a.gMax - a.gMin);
    const int step = span > 10 ? 10 : 1;
    int labels = 0;
    for (int k = step; k < span; k += step, ++labels)
        EXPECT_TRUE(c.texts.contains(QString::number(static_cast<int>(a.gMax) - k)))
            << static_cast<int>(a.gMax) - k;
    EXPECT_GT(labels, 0);
}

TEST_F(PictureExport, PdfAndEveryViewAreWritten)
{
    SParamSet set;
    const QString s2p = QStringLiteral(ZELVO_TESTDATA_DIR "/touchstone/NE02103.s2p");
    const bool haveData = QFileInfo::exists(s2p) &&
                          loadTouchstoneFile(set, s2p.toStdString()).status == LoadStatus::Ok;
    const PictureSource src{&design, &set, &settings};
    for (PictureView v : {PictureView::Chart, PictureView::Schematic, PictureView::S11,
                          PictureView::S12, PictureView::S21, PictureView::S22,
                          PictureView::GainGraph, PictureView::GainTable, PictureView::FileText}) {
        const QString pdf = dir.filePath(pictureViewName(v) + QStringLiteral(".pdf"));
        ASSERT_EQ(exportPicture(src, v, pdf, 800), QString()) << pictureViewName(v).toStdString();
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.read(5), QByteArray("%PDF-"));
    }
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!haveData || pdftotext.isEmpty())
        GTEST_SKIP() << "no test data or poppler-utils";
    QProcess p;
    p.start(pdftotext, {dir.filePath(QStringLiteral("gain table.pdf")), QStringLiteral("-")});
    p.waitForFinished(60000);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("[MHz]")));
}

TEST_F(PictureExport, BadRequestsAreRefusedAndAFailedWriteKeepsTheOldFile)
{
    EXPECT_TRUE(exportChartPicture(design, settings, file("chart.bmp"))
                    .startsWith(QStringLiteral("Unknown picture format")));
    EXPECT_FALSE(exportChartPicture(design, settings, file("chart.png"), 5).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(file("chart.png")));
    EXPECT_FALSE(exportPicture({}, PictureView::S21, file("s21.png")).isEmpty());
    const QString missing = file("no/such/folder/chart.svg");
    EXPECT_TRUE(exportChartPicture(design, settings, missing)
                    .startsWith(QStringLiteral("Error while writing file")));
    // A locked folder keeps its previous picture (skipped where rights ignore it).
    const QString locked = file("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    const QString old = locked + QStringLiteral("/chart.png");
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(locked).isWritable()) {
        EXPECT_FALSE(exportChartPicture(design, settings, old).isEmpty());
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("old"));
    }
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace
} // namespace zelvo
