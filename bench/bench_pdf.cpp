// Writing a 200-page text report to memory: this program's PDF writer against libharu.

#include "output/pdf/pdfdocument.h"

#include <QBuffer>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>
#include <hpdf.h>

#include <string>
#include <vector>

namespace {

constexpr int pageCount = 200;
constexpr int linesPerPage = 60;

// The same texts for both writers, made once so that only the writing is measured.
struct Texts
{
    QStringList qt;
    std::vector<std::string> latin1;
    Texts()
    {
        for (int i = 0; i < linesPerPage; ++i) {
            const QString line = QStringLiteral("%1  Contestant %2, County Team %3   Class %4   Score %5.5")
                                     .arg(i + 1, 2)
                                     .arg(100 + i)
                                     .arg(i % 7)
                                     .arg(i % 12)
                                     .arg(40 + i);
            qt.append(line);
            latin1.push_back(line.toLatin1().toStdString());
        }
    }
};

const Texts& texts()
{
    static const Texts t;
    return t;
}

void BM_MarvolenWriter(benchmark::State& state)
{
    const Texts& t = texts();
    QByteArray out; // kept across runs, like libharu's output vector below
    for (auto _ : state) {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        pdf::PDFDocument doc;
        doc.setOutputStream(&buffer);
        doc.BeginDoc();
        for (int p = 0; p < pageCount; ++p) {
            if (p > 0) doc.NewPage();
            pdf::PDFPage* page = doc.CurrentPage();
            page->BeginText();
            page->SetActiveFont(QStringLiteral("Arial"), 0, 0, 10);
            for (int i = 0; i < linesPerPage; ++i)
                page->TextOut(40, 60 + i * 12, 0, t.qt.at(i));
            page->EndText();
            page->SetGray(0);
            page->SetLineWidth(1);
            for (const double y : {55.0, 425.0, 785.0}) {
                page->MoveTo(40, y);
                page->LineTo(555, y);
                page->Stroke();
            }
            page->Rectangle(30, 40, 565, 800);
            page->Stroke();
            page->Rectangle(400, 45, 550, 58);
            page->Stroke();
        }
        doc.EndDoc();
        benchmark::DoNotOptimize(out.constData());
    }
    state.counters["pages/s"] =
        benchmark::Counter(double(pageCount), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes"] = double(out.size());
}

void haruError(HPDF_STATUS error, HPDF_STATUS detail, void*)
{
    std::fprintf(stderr, "libharu error %04X (%u)\n", static_cast<unsigned>(error),
                 static_cast<unsigned>(detail));
    std::abort();
}

void BM_Libharu(benchmark::State& state)
{
    const Texts& t = texts();
    std::vector<HPDF_BYTE> out;
    for (auto _ : state) {
        HPDF_Doc doc = HPDF_New(haruError, nullptr);
        HPDF_SetCompressionMode(doc, HPDF_COMP_NONE);
        HPDF_Font font = HPDF_GetFont(doc, "Helvetica", "WinAnsiEncoding");
        for (int p = 0; p < pageCount; ++p) {
            HPDF_Page page = HPDF_AddPage(doc);
            HPDF_Page_SetSize(page, HPDF_PAGE_SIZE_A4, HPDF_PAGE_PORTRAIT);
            const HPDF_REAL height = HPDF_Page_GetHeight(page);
            HPDF_Page_BeginText(page);
            HPDF_Page_SetFontAndSize(page, font, 10);
            for (int i = 0; i < linesPerPage; ++i)
                HPDF_Page_TextOut(page, 40, height - (60 + i * 12) - 10, t.latin1[size_t(i)].c_str());
            HPDF_Page_EndText(page);
            HPDF_Page_SetGrayFill(page, 0);
            HPDF_Page_SetGrayStroke(page, 0);
            HPDF_Page_SetLineWidth(page, 1);
            for (const HPDF_REAL y : {55.0f, 425.0f, 785.0f}) {
                HPDF_Page_MoveTo(page, 40, height - y);
                HPDF_Page_LineTo(page, 555, height - y);
                HPDF_Page_Stroke(page);
            }
            HPDF_Page_Rectangle(page, 30, height - 40, 535, -760);
            HPDF_Page_Stroke(page);
            HPDF_Page_Rectangle(page, 400, height - 45, 150, -13);
            HPDF_Page_Stroke(page);
        }
        HPDF_SaveToStream(doc);
        HPDF_UINT32 size = HPDF_GetStreamSize(doc);
        out.resize(size);
        HPDF_ReadFromStream(doc, out.data(), &size);
        benchmark::DoNotOptimize(out.data());
        HPDF_Free(doc);
    }
    state.counters["pages/s"] =
        benchmark::Counter(double(pageCount), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes"] = double(out.size());
}

} // namespace

BENCHMARK(BM_MarvolenWriter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Libharu)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
