// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Zelvo developers
// Printed pages through QPrinter's PDF output, read back with the poppler
// tools (skipped when they are not installed).
#include "core/numeric.h"
#include "model/touchstone.h"
#include "render/recording_canvas.h"
#include "render/render_fixtures.h"
#include "support/full_disk.h"
#include "ui/print_pages.h"
#include "ui/printing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <sys/stat.h>
#include <unistd.h>

namespace zelvo {
namespace {

using namespace zelvo::testing;

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString& pdf)
{
    const QString info = run(tool("pdfinfo"), {pdf});
    for (const QString& line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

QString pageText(const QString& pdf, int page)
{
    return run(tool("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
}

mode_t modeOf(const QString& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    return st.st_mode & 07777;
}

struct PdfPrinter {
    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
    QString path;

    explicit PdfPrinter(QPageLayout::Orientation o = QPageLayout::Portrait, int dpi = 600)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(dpi);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(o);
        path = dir.filePath(QStringLiteral("design.pdf"));
        printer.setOutputFileName(path);
    }
    ~PdfPrinter()
    {
        // For looking at the pages: ZELVO_KEEP_PRINTS=/some/folder keeps them.
        const QByteArray keep = qgetenv("ZELVO_KEEP_PRINTS");
        if (!keep.isEmpty() && QFileInfo::exists(path))
            QFile::copy(path,
                        QString::fromLocal8Bit(keep) + QLatin1Char('/') +
                            QString::fromLatin1(
                                ::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                            QStringLiteral(".pdf"));
    }
    PrintResult print(const std::vector<PagePainter>& pages, const AbortCheck& aborted = {})
    {
        return printPages(printer, QStringLiteral("Zelvo Chart test"), pages, aborted);
    }
};

Design printedDesign()
{
    Design d = everyKindDesign();
    d.fileName = "/work/lab/amp_match.zvc";
    return d;
}

class PrintedPdf : public ::testing::Test {
  protected:
    void SetUp() override
    {
        if (tool("pdfinfo").isEmpty() || tool("pdftotext").isEmpty())
            GTEST_SKIP() << "poppler-utils not installed";
    }
    Settings settings;
};

TEST_F(PrintedPdf, PageCountFollowsTheChosenParts)
{
    const Design d = printedDesign();
    const struct {
        std::uint16_t flags;
        int pages;
    } rows[] = {
        {printComments, 1},     {printChart, 1},
        {printSchematic, 1},    {printChart | printSchematic, 1},
        {defaultPrintFlags, 2},
    };
    for (const auto& row : rows) {
        PdfPrinter p;
        ASSERT_EQ(p.print(chartPrintPages(d, settings, row.flags, {})).outcome,
                  PrintOutcome::Printed);
        EXPECT_EQ(pageCount(p.path), row.pages) << std::hex << row.flags;
    }
}

TEST_F(PrintedPdf, CommentsPageListsThePointsWithTheFileNameAtItsFoot)
{
    const Design d = printedDesign();
    PdfPrinter p;
    ASSERT_EQ(p.print(chartPrintPages(d, settings, printComments, {})).outcome,
              PrintOutcome::Printed);
    const QString text = pageText(p.path, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("DP-Nr. 1"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("DP-Nr. 3")));
    EXPECT_TRUE(text.contains(QStringLiteral("(25.000 - j30.000)")));
    const QStringList lines = text.trimmed().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.last().trimmed(), QStringLiteral("/work/lab/amp_match.zvc"));
}

TEST_F(PrintedPdf, ChartPageCarriesTheSchematicTexts)
{
    Design d = printedDesign();
    addWideband(d);
    PdfPrinter p;
    const std::uint16_t chartPage = defaultPrintFlags & ~printComments;
    ASSERT_EQ(p.print(chartPrintPages(d, settings, chartPage, {})).outcome, PrintOutcome::Printed);
    const QString text = pageText(p.path, 1);
    for (const char* piece : {"f_main = 1.000 GHz", "Z0 = 50.00", "mm(electr.)", "mm (electr.)",
                              "mm(mech.)", "1:1.40", "/work/lab/amp_match.zvc", "(25.00 - j30.00)"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(piece))) << piece << "\n"
                                                               << text.toStdString();
    // Ohm and lambda are real characters, not the letters of a symbol face.
    EXPECT_TRUE(text.contains(QChar(0x03A9)));
    EXPECT_TRUE(text.contains(QChar(0x03BB)));
}

TEST_F(PrintedPdf, DesignWithoutElementsPrintsTheLoadWithoutZ0)
{
    Design d;
    addPoint(d, 12.5, 7.25, 2e9);
    d.fileName = "<unnamed>";
    PdfPrinter p;
    ASSERT_EQ(p.print(chartPrintPages(d, settings, printChart | printSchematic, {})).outcome,
              PrintOutcome::Printed);
    const QString text = pageText(p.path, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("(12.50 + j7.25)"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Z0 = ")));
    EXPECT_FALSE(text.contains(QStringLiteral("f_main")));
}

TEST_F(PrintedPdf, RenderedChartCircleSitsWhereTheLayoutPutsIt)
{
    if (tool("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm not installed";
    Design d;
    PdfPrinter p(QPageLayout::Landscape);
    const std::uint16_t flags = printChart | printSchematic;
    ASSERT_EQ(p.print(chartPrintPages(d, settings, flags, {})).outcome, PrintOutcome::Printed);

    const PageFrame frame = pageFrameOf(p.printer);
    ASSERT_GT(frame.width, frame.height); // landscape: the radius follows the height
    const PrintedChart pc = printedChartGeometry(frame, true);
    EXPECT_EQ(pc.radius, frame.height / 3);

    // Rendered at 100 dpi: one image pixel is six device pixels.
    const QString stem = p.dir.filePath(QStringLiteral("page"));
    run(tool("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                           QStringLiteral("-singlefile"), p.path, stem});
    const QImage img(stem + QStringLiteral(".png"));
    ASSERT_FALSE(img.isNull());
    const QRect area = p.printer.pageRect(QPrinter::DevicePixel).toRect();
    const double scale = 100.0 / 600.0;
    const double cx = (area.left() + frame.width / 2.0) * scale;
    const double cy = (area.top() + frame.height / 2.0 - pc.cy) * scale;
    const double r = pc.radius * scale;
    const auto dark = [&img](int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (qGray(img.pixel(std::clamp(x + dx, 0, img.width() - 1),
                                    std::clamp(y + dy, 0, img.height() - 1))) < 200)
                    return true;
        return false;
    };
    int seen = 0;
    for (int deg = 10; deg < 360; deg += 20) { // off the axis line and its labels
        const double a = deg * M_PI / 180.0;
        const int x = static_cast<int>(std::lround(cx + r * std::cos(a)));
        const int y = static_cast<int>(std::lround(cy - r * std::sin(a)));
        seen += dark(x, y) ? 1 : 0;
        // Halfway in, between the grid circles, the paper is white.
        EXPECT_FALSE(dark(static_cast<int>(std::lround(cx + 0.93 * r * std::cos(a))),
                          static_cast<int>(std::lround(cy - 0.93 * r * std::sin(a)))))
            << deg;
    }
    EXPECT_EQ(seen, 18);
}

TEST_F(PrintedPdf, SPlotPrintHasThreeCaptionedPages)
{
    const QString file = QStringLiteral(ZELVO_TESTDATA_DIR "/touchstone/NE02103.s2p");
    if (!QFileInfo::exists(file))
        GTEST_SKIP() << "test data absent";
    SParamSet set;
    ASSERT_EQ(loadTouchstoneFile(set, file.toStdString()).status, LoadStatus::Ok);
    ASSERT_TRUE(set.loaded);
    set.fileName = file.toStdString();

    PdfPrinter p;
    ASSERT_EQ(p.print(sPlotPrintPages(set, settings)).outcome, PrintOutcome::Printed);
    ASSERT_EQ(pageCount(p.path), 3);
    const QString graph = pageText(p.path, 1);
    EXPECT_TRUE(graph.contains(QStringLiteral("f [MHz]"))) << graph.toStdString();
    EXPECT_TRUE(graph.contains(QStringLiteral("MAG [dB]")));
    EXPECT_TRUE(graph.contains(file));
    const QString table = pageText(p.path, 2);
    const std::vector<std::string> rows = printedGainRows(set);
    ASSERT_EQ(rows.size(), 3u + 9u);
    for (const std::string& row : rows) {
        const QString simplified = QString::fromStdString(row).simplified();
        EXPECT_TRUE(table.simplified().contains(simplified)) << row;
    }
    const QString plots = pageText(p.path, 3);
    for (const char* caption : {"S11:", "S12:", "S21:", "S22:"})
        EXPECT_TRUE(plots.contains(QString::fromLatin1(caption))) << caption;
}

TEST_F(PrintedPdf, AbortLeavesTheOldFileAndNoPartialOne)
{
    const Design d = printedDesign();
    PdfPrinter p;
    {
        QFile old(p.path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous report");
    }
    int checks = 0;
    const AbortCheck cancelLater = [&checks] { return ++checks > 3; }; // mid chart page
    EXPECT_EQ(
        p.print(chartPrintPages(d, settings, defaultPrintFlags, cancelLater), cancelLater).outcome,
        PrintOutcome::Aborted);
    QFile old(p.path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("previous report"));
    EXPECT_EQ(QDir(p.dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    EXPECT_EQ(p.printer.outputFileName(), p.path);
}

TEST_F(PrintedPdf, FullDiskKeepsTheOldPdfAndSaysWhy)
{
    const Design d = printedDesign();
    PdfPrinter p;
    {
        QFile old(p.path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous report");
    }
    PrintResult r;
    {
        const FullDisk full(4096);
        r = p.print(chartPrintPages(d, settings, defaultPrintFlags, {}));
    }
    EXPECT_EQ(r.outcome, PrintOutcome::WriteFailed);
    EXPECT_EQ(r.detail,
              QStringLiteral("Error while writing file '%1'\n\rFile too large.").arg(p.path));
    QFile old(p.path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("previous report"));
    EXPECT_EQ(QDir(p.dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("design.pdf")});
}

// Links are followed and kept, loops refused with the system's reason, the
// permissions of a replaced file kept and those of a new one as the umask
// allows, and no temporary file stays behind.
TEST_F(PrintedPdf, PdfIsSavedAsEveryOtherFile)
{
    const Design d = printedDesign();
    PdfPrinter p;
    const QDir dir(p.dir.path());
    const auto printTo = [&](const QString& name) {
        p.printer.setOutputFileName(dir.filePath(name));
        return p.print(chartPrintPages(d, settings, printComments, {}));
    };
    const auto isPdf = [&](const QString& name) {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) && f.read(5) == "%PDF-";
    };
    const mode_t umaskBefore = ::umask(022);
    EXPECT_EQ(printTo(QStringLiteral("new.pdf")).outcome, PrintOutcome::Printed);
    EXPECT_EQ(modeOf(dir.filePath(QStringLiteral("new.pdf"))), 0644u);
    ::umask(umaskBefore);

    {
        QFile shared(dir.filePath(QStringLiteral("shared.pdf")));
        ASSERT_TRUE(shared.open(QIODevice::WriteOnly));
        shared.write("old");
    }
    ASSERT_EQ(
        ::chmod(QFile::encodeName(dir.filePath(QStringLiteral("shared.pdf"))).constData(), 0660),
        0);
    ASSERT_TRUE(
        QFile::link(QStringLiteral("shared.pdf"), dir.filePath(QStringLiteral("link.pdf"))));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("out/made.pdf"), dir.filePath(QStringLiteral("dangling.pdf"))));
    ASSERT_TRUE(dir.mkdir(QStringLiteral("out")));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("loop-b.pdf"), dir.filePath(QStringLiteral("loop-a.pdf"))));
    ASSERT_TRUE(
        QFile::link(QStringLiteral("loop-a.pdf"), dir.filePath(QStringLiteral("loop-b.pdf"))));

    EXPECT_EQ(printTo(QStringLiteral("link.pdf")).outcome, PrintOutcome::Printed);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("link.pdf"))).isSymLink());
    EXPECT_TRUE(isPdf(QStringLiteral("shared.pdf")));
    EXPECT_EQ(modeOf(dir.filePath(QStringLiteral("shared.pdf"))), 0660u);
    EXPECT_EQ(printTo(QStringLiteral("dangling.pdf")).outcome, PrintOutcome::Printed);
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("dangling.pdf"))).isSymLink());
    EXPECT_TRUE(isPdf(QStringLiteral("out/made.pdf")));
    const PrintResult loop = printTo(QStringLiteral("loop-a.pdf"));
    EXPECT_EQ(loop.outcome, PrintOutcome::StartFailed);
    EXPECT_TRUE(loop.detail.endsWith(QStringLiteral(": Too many levels of symbolic links.")))
        << loop.detail.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("loop-a.pdf"))).isSymLink());

    // One's own read-only file is refused as well (root may write any file).
    ASSERT_EQ(
        ::chmod(QFile::encodeName(dir.filePath(QStringLiteral("shared.pdf"))).constData(), 0444),
        0);
    if (::geteuid() != 0) {
        const PrintResult locked = printTo(QStringLiteral("link.pdf"));
        EXPECT_EQ(locked.outcome, PrintOutcome::StartFailed);
        EXPECT_TRUE(locked.detail.endsWith(QStringLiteral(": Permission denied.")))
            << locked.detail.toStdString();
        EXPECT_TRUE(isPdf(QStringLiteral("shared.pdf"))); // the earlier print, untouched
    }

    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                            QDir::Name),
              (QStringList{QStringLiteral("dangling.pdf"), QStringLiteral("link.pdf"),
                           QStringLiteral("loop-a.pdf"), QStringLiteral("loop-b.pdf"),
                           QStringLiteral("new.pdf"), QStringLiteral("out"),
                           QStringLiteral("shared.pdf")}));
}

TEST_F(PrintedPdf, UnwritableFolderFailsBeforeWritingAnything)
{
    const Design d = printedDesign();
    PdfPrinter p;
    const QString locked = p.dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // A folder that does not exist fails the same way, whoever runs the test.
    QStringList folders = {p.dir.filePath(QStringLiteral("missing"))};
    if (!QFileInfo(locked).isWritable())
        folders << locked;
    for (const QString& folder : folders) {
        p.printer.setOutputFileName(folder + QStringLiteral("/report.pdf"));
        const PrintResult r = p.print(chartPrintPages(d, settings, defaultPrintFlags, {}));
        EXPECT_EQ(r.outcome, PrintOutcome::StartFailed);
        EXPECT_TRUE(r.detail.contains(folder)) << r.detail.toStdString();
        EXPECT_TRUE(QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(p.dir.filePath(QStringLiteral("missing"))));
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(PrintedLayout, LongCircleLinesWrapAtThePageEdge)
{
    // A circle line holds four S-parameters and is some 200 characters long:
    // on paper it was cut at the right edge.
    Design d = everyKindDesign();
    StabilityCircleRecord s;
    s.s = {0.6f, 0.8f, -0.1f, 0.0f, 0.0f, 2.0f, 0.0f, -0.5f};
    s.k = 0.75f;
    ASSERT_TRUE(appendStabilityCircle(d, s));
    ASSERT_TRUE(appendDataPoint(d, {25, 5, 1e9}));
    PageFrame page;
    page.width = 4800; // A4 at 600 dpi
    page.height = 6800;
    RecordingCanvas c;
    drawCommentsPage(c, d, page);
    int texts = 0, pieces = 0;
    bool inCircle = false;
    std::string joined;
    for (const DrawCall& call : c.calls) {
        if (call.op != DrawOp::Text || call.text == d.fileName)
            continue;
        ++texts;
        EXPECT_LE(call.v[0] + c.textWidth(call.text), page.width) << call.text;
        inCircle = call.text.starts_with("S1:") || (inCircle && !call.text.starts_with("DP-Nr."));
        if (inCircle) {
            ++pieces;
            joined += call.text;
        }
    }
    EXPECT_GT(texts, 10);
    EXPECT_GE(pieces, 2);
    // Nothing of the line is lost: its pieces make it up again.
    EXPECT_NE(joined.find("stable"), std::string::npos);
    EXPECT_NE(joined.find("K = 0.75; "), std::string::npos);
    EXPECT_NE(joined.find("s22 = 0.5 / -90"), std::string::npos);
}

TEST(PrintedLayout, PageScaleKeepsTheLayoutAcrossResolutions)
{
    // A 300 dpi printer and a 1200 dpi PDF give the same page in inches.
    Design d = printedDesign();
    Settings settings;
    const auto schematicTexts = [&](int dpi) {
        const double s = dpi / 600.0;
        const PageFrame page{toInt(4800 * s), toInt(6800 * s), s, s};
        RecordingCanvas c;
        drawChartPage(c, d, settings, printChart | printSchematic, page);
        return c;
    };
    const RecordingCanvas low = schematicTexts(300);
    const RecordingCanvas high = schematicTexts(1200);
    const DrawCall* zLow = low.findText("Z0 = 50.00");
    const DrawCall* zHigh = high.findText("Z0 = 50.00");
    ASSERT_NE(zLow, nullptr);
    ASSERT_NE(zHigh, nullptr);
    EXPECT_EQ(zHigh->v[0], 4 * zLow->v[0]);
    EXPECT_EQ(zHigh->v[1], 4 * zLow->v[1]);
    EXPECT_EQ(zHigh->font.height, 4 * zLow->font.height);
}

TEST(PrintedLayout, ChartWithoutGridsKeepsBoundaryCentreMarkAndObjects)
{
    Design d = printedDesign();
    Settings settings;
    const PageFrame page{4800, 6800, 1.0, 1.0};
    const auto circlesOf = [&](std::uint16_t flags) {
        RecordingCanvas c;
        drawChartPage(c, d, settings, flags, page);
        return c.ofKind(DrawOp::Ellipse).size() + c.ofKind(DrawOp::Arc).size();
    };
    RecordingCanvas bare;
    drawChartPage(bare, d, settings, printChart, page);
    const auto circles = bare.ofKind(DrawOp::Ellipse);
    ASSERT_EQ(circles.size(), 2u); // the boundary and the centre mark
    EXPECT_EQ(circles[0].radius(), 2400);
    EXPECT_TRUE(bare.ofKind(DrawOp::Arc).empty());
    EXPECT_TRUE(bare.texts().empty());
    EXPECT_GT(circlesOf(printChart | printElements), circlesOf(printChart));
    EXPECT_GT(circlesOf(printChart | printZGrid), circlesOf(printChart));
    EXPECT_EQ(circlesOf(printChart | printStabilityCircles), circlesOf(printChart)); // none in d
}

TEST(PrintedLayout, TurnedTextsReadDownAndStillEndAboveTheTiles)
{
    Design d = printedDesign();
    const PageFrame page{4800, 6800, 1.0, 1.0};
    const int textStart = -page.height / 2 + 11 * 60;
    for (const std::uint16_t turn : {std::uint16_t{0}, printTurnText}) {
        RecordingCanvas c;
        drawPrintedSchematic(c, d, schematicTextAngle(turn), page);
        int turned = 0;
        for (const DrawCall& t : c.ofKind(DrawOp::Text)) {
            if (t.font.escapement == 0)
                continue;
            ++turned;
            EXPECT_EQ(t.font.escapement, turn ? 2700 : 900) << t.text;
            EXPECT_GE(t.v[1], textStart) << t.text; // never over the tiles
        }
        EXPECT_GT(turned, 12);
        // Slot 0 holds the last element: the chain reads from the input on the left.
        const auto tiles = c.ofKind(DrawOp::Bitmap);
        ASSERT_EQ(tiles.size(), 14u);
        EXPECT_EQ(tiles[0].v[0], (-4 - 4 * 6) * 40);
        EXPECT_EQ(tiles[13].v[0], (4 * 12 - 4 * 6) * 40);
    }
}

} // namespace
} // namespace zelvo

namespace zelvo {
namespace {

using namespace zelvo::testing;

TEST(PrintedLayout, LongChainShrinksToStayOnThePaper)
{
    Design d;
    addPoint(d, 25.0, -30.0, 1e9);
    for (int i = 0; i < 40; ++i)
        addElement(d, element(i % 2 ? ElementKind::IS : ElementKind::CP, i % 2 ? 1e-10 : 1e-13));
    const PageFrame page{4800, 6800, 1.0, 1.0};
    RecordingCanvas c;
    drawPrintedSchematic(c, d, 2700, page);
    const auto tiles = c.ofKind(DrawOp::Bitmap);
    ASSERT_EQ(tiles.size(), 42u);
    for (const DrawCall& t : tiles) {
        EXPECT_GE(t.v[0], -page.width / 2);
        EXPECT_LE(t.v[0] + t.v[2], page.width / 2);
    }
    const DrawCall* f = c.findText("f_main = 1.000 GHz");
    ASSERT_NE(f, nullptr);
    EXPECT_LT(f->v[0], page.width / 2 - 400);
}

} // namespace
} // namespace zelvo

namespace zelvo {
namespace {

using namespace zelvo::testing;

// The printed and exported schematic names a part's losses too: a line under
// an L or C, after the impedance of a line.
TEST(PrintedLayout, LossyPartsCarryTheirLosses)
{
    Design d;
    addPoint(d, 25.0, -30.0, 2.4e9);
    Element l = element(ElementKind::IS, 2e-9);
    l.loss = {.q = 30, .qFrequency = 2.4e9};
    addElement(d, l);
    Element stub = element(ElementKind::LPO, 0.1);
    stub.loss.lineDb = 0.5;
    addElement(d, stub);
    addElement(d, element(ElementKind::CP, 1e-12));
    RecordingCanvas c;
    drawPrintedSchematic(c, d, 2700, PageFrame{4800, 6800, 1.0, 1.0});
    EXPECT_NE(c.findText("Q 30 @ 2.4 GHz"), nullptr);
    EXPECT_NE(c.findText(" | 0.5 dB/\u03BB"), nullptr);
    EXPECT_NE(c.findText("1.0 pF"), nullptr);
    // The ideal capacitor has no line of losses: just these two.
    int losses = 0;
    for (const std::string& t : c.texts())
        losses += t.find("dB/") != std::string::npos || t.starts_with("Q ");
    EXPECT_EQ(losses, 2);
}

} // namespace
} // namespace zelvo
