// The report's pages: its parts laid out in blocks on A4 pages, then drawn with cairo, the same way
// into a PDF file and into the pixels that the window sends to a printer.

#include "plot/Report.h"

#include "plot/ChartDrawing.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace velmora {

namespace {

constexpr const char* fontFamily = "Liberation Sans";
constexpr double margin = 50.0;
constexpr double textWidth = reportPageWidth - 2 * margin;
constexpr double bodySize = 10.5;
constexpr double tableSize = 8.5;

using SurfaceHandle = CairoSurface;
using ContextHandle = CairoContext;

// One piece of a page: a line of text, a table row or a chart.
struct Block
{
    enum class Kind
    {
        text,
        row,
        chart,
        rule,
    };
    Kind kind = Kind::text;
    double height = 0.0;
    // text
    std::string text;
    double size = bodySize;
    bool bold = false;
    bool italic = false;
    double indent = 0.0;
    // row
    std::vector<std::string> cells;
    bool header = false;
    // chart
    const Chart* chart = nullptr;
    // where it was laid
    int page = 0;
    double y = 0.0;
};

void setFont(cairo_t* cr, double size, bool bold, bool italic)
{
    cairo_select_font_face(cr, fontFamily, italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
}

double widthOf(cairo_t* cr, const std::string& text)
{
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

// The lines of `text` that fit in `width` with the current font: paragraphs kept, words wrapped,
// a word too long for a line cut where it must be.
std::vector<std::string> wrap(cairo_t* cr, const std::string& text, double width)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string paragraph = text.substr(start, end - start);
        std::string line;
        std::size_t at = 0;
        while (at < paragraph.size()) {
            const std::size_t space = std::min(paragraph.find(' ', at), paragraph.size());
            std::string word = paragraph.substr(at, space - at);
            at = space + 1;
            const std::string tried = line.empty() ? word : line + " " + word;
            if (widthOf(cr, tried) <= width) {
                line = tried;
                continue;
            }
            if (!line.empty()) {
                lines.push_back(line);
            }
            // A word wider than the line is cut between characters.
            while (widthOf(cr, word) > width && word.size() > 1) {
                std::size_t cut = word.size();
                while (cut > 1 && widthOf(cr, word.substr(0, cut)) > width) {
                    do {
                        --cut;
                    } while (cut > 0 && (static_cast<unsigned char>(word[cut]) & 0xC0) == 0x80);
                }
                lines.push_back(word.substr(0, cut));
                word = word.substr(cut);
            }
            line = word;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

class Layout
{
public:
    explicit Layout(const Report& report)
        : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1)), cr_(cairo_create(surface_.get()))
    {
        text("Compte rendu d’expérience", 18, true);
        space(4);
        for (const auto& [name, value] : report.identity) {
            text(name + "\u00a0: " + (value.empty() ? "…" : value), bodySize, false);
        }
        if (!report.title.empty()) {
            space(8);
            text(report.title, 14, true);
        }
        if (!report.instructions.empty()) {
            section("Consignes");
            text(report.instructions, bodySize, false, false, 10);
        }
        section("Réglages");
        for (const std::string& line : report.settings) {
            text(line, bodySize, false, false, 10);
        }
        section("Graphique");
        chart(report.course, 330);
        section("Tableau des mesures");
        if (report.table.rows.empty()) {
            text("Aucune mesure n’a encore été faite.", bodySize, false, true, 10);
        } else {
            tableHeader_ = report.table.header;
            row(report.table.header, true);
            for (const auto& cells : report.table.rows) {
                row(cells, false);
            }
            tableHeader_.clear();
        }
        if (!report.curves.empty()) {
            section("Courbes d’activité");
            for (const Chart& curve : report.curves) {
                chart(curve, 300);
            }
        }
        section("Réponse");
        text(report.answer.empty() ? "(pas de réponse)" : report.answer, bodySize, false,
             report.answer.empty(), 10);
        section("Journal");
        if (report.log.empty()) {
            text("(rien n’a été noté)", bodySize, false, true, 10);
        }
        for (const auto& [time, what] : report.log) {
            text(time + "  " + what, 9, false, false, 10);
        }
        paginate();
    }

    int pages() const { return pages_; }

    void draw(cairo_t* cr, int page) const
    {
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        for (const Block& block : blocks_) {
            if (block.page == page) {
                drawBlock(cr, block);
            }
        }
        // The page number at the foot.
        cairo_set_source_rgb(cr, 0.35, 0.35, 0.35);
        setFont(cr, 8, false, false);
        const std::string number = std::to_string(page + 1) + "/" + std::to_string(pages_);
        cairo_move_to(cr, reportPageWidth - margin - widthOf(cr, number), reportPageHeight - margin / 2);
        cairo_show_text(cr, number.c_str());
    }

private:
    void text(const std::string& content, double size, bool bold, bool italic = false, double indent = 0)
    {
        setFont(cr_.get(), size, bold, italic);
        for (const std::string& line : wrap(cr_.get(), content, textWidth - indent)) {
            Block block;
            block.kind = Block::Kind::text;
            block.text = line;
            block.size = size;
            block.bold = bold;
            block.italic = italic;
            block.indent = indent;
            block.height = size * 1.4;
            blocks_.push_back(std::move(block));
        }
    }

    void space(double height)
    {
        Block block;
        block.kind = Block::Kind::rule;
        block.height = height;
        blocks_.push_back(std::move(block));
    }

    void section(const std::string& title)
    {
        space(10);
        text(title, 12.5, true);
        space(2);
    }

    void chart(const Chart& content, double height)
    {
        Block block;
        block.kind = Block::Kind::chart;
        block.chart = &content;
        block.height = height;
        blocks_.push_back(std::move(block));
    }

    void row(const std::vector<std::string>& cells, bool header)
    {
        Block block;
        block.kind = Block::Kind::row;
        block.cells = cells;
        block.header = header;
        block.height = rowHeight(cells, header);
        blocks_.push_back(std::move(block));
    }

    double columnWidth(std::size_t columns) const
    {
        return textWidth / static_cast<double>(std::max<std::size_t>(columns, 1));
    }

    double rowHeight(const std::vector<std::string>& cells, bool header)
    {
        setFont(cr_.get(), tableSize, header, false);
        std::size_t lines = 1;
        for (const std::string& cell : cells) {
            lines = std::max(lines, wrap(cr_.get(), cell, columnWidth(cells.size()) - 6).size());
        }
        return static_cast<double>(lines) * tableSize * 1.3 + 5;
    }

    // Blocks go down the page; one that does not fit opens the next page. A table goes on with its
    // header repeated.
    void paginate()
    {
        const double bottom = reportPageHeight - margin;
        double y = margin;
        int page = 0;
        std::vector<Block> laid;
        const Block* header = nullptr;
        for (Block& block : blocks_) {
            if (block.kind == Block::Kind::row && block.header) {
                header = &block;
            } else if (block.kind != Block::Kind::row) {
                header = nullptr;
            }
            if (y + block.height > bottom && y > margin) {
                ++page;
                y = margin;
                if (block.kind == Block::Kind::rule) {
                    continue; // no space at the top of a page
                }
                if (block.kind == Block::Kind::row && !block.header && header) {
                    Block repeated = *header;
                    repeated.page = page;
                    repeated.y = y;
                    y += repeated.height;
                    laid.push_back(repeated);
                }
            }
            block.page = page;
            block.y = y;
            y += block.height;
            laid.push_back(block);
        }
        blocks_ = std::move(laid);
        pages_ = page + 1;
    }

    void drawBlock(cairo_t* cr, const Block& block) const
    {
        switch (block.kind) {
        case Block::Kind::rule:
            break;
        case Block::Kind::text:
            cairo_set_source_rgb(cr, 0, 0, 0);
            setFont(cr, block.size, block.bold, block.italic);
            cairo_move_to(cr, margin + block.indent, block.y + block.size * 1.05);
            cairo_show_text(cr, block.text.c_str());
            break;
        case Block::Kind::chart:
            drawChartInBox(cr, *block.chart, margin, block.y, textWidth, block.height - 8, 0.8);
            break;
        case Block::Kind::row: {
            const double width = columnWidth(block.cells.size());
            if (block.header) {
                cairo_set_source_rgb(cr, 0.9, 0.93, 0.9);
                cairo_rectangle(cr, margin, block.y, textWidth, block.height);
                cairo_fill(cr);
            }
            cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
            cairo_set_line_width(cr, 0.5);
            cairo_rectangle(cr, margin, block.y, textWidth, block.height);
            cairo_stroke(cr);
            setFont(cr, tableSize, block.header, false);
            for (std::size_t c = 0; c < block.cells.size(); ++c) {
                const double x = margin + width * static_cast<double>(c);
                if (c > 0) {
                    cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
                    cairo_move_to(cr, x, block.y);
                    cairo_line_to(cr, x, block.y + block.height);
                    cairo_stroke(cr);
                }
                cairo_set_source_rgb(cr, 0, 0, 0);
                double line = block.y + tableSize + 2;
                for (const std::string& part : wrap(cr, block.cells[c], width - 6)) {
                    // Numbers are set to the right of their column, headers on the left.
                    const double left = block.header ? x + 3 : x + width - 3 - widthOf(cr, part);
                    cairo_move_to(cr, left, line);
                    cairo_show_text(cr, part.c_str());
                    line += tableSize * 1.3;
                }
            }
            break;
        }
        }
    }

    SurfaceHandle surface_; // for measuring text
    ContextHandle cr_;
    std::vector<Block> blocks_;
    std::vector<std::string> tableHeader_;
    int pages_ = 1;
};

} // namespace

int reportPageCount(const Report& report)
{
    return Layout(report).pages();
}

ChartImage renderReportPage(const Report& report, int page, double dotsPerInch)
{
    ChartImage image;
    const Layout layout(report);
    if (page < 0 || page >= layout.pages() || dotsPerInch <= 0 || dotsPerInch > 1200) {
        return image;
    }
    const double scale = dotsPerInch / 72.0;
    const int width = static_cast<int>(std::lround(reportPageWidth * scale));
    const int height = static_cast<int>(std::lround(reportPageHeight * scale));
    const SurfaceHandle surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return image;
    }
    {
        const ContextHandle cr(cairo_create(surface.get()));
        cairo_scale(cr.get(), scale, scale);
        layout.draw(cr.get(), page);
    }
    return imageOf(surface.get());
}

bool writeReportPdf(const Report& report, std::ostream& out)
{
    const Layout layout(report);
    const SurfaceHandle surface(
        cairo_pdf_surface_create_for_stream(writeToStream, &out, reportPageWidth, reportPageHeight));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return false;
    }
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, "Compte rendu d’expérience");
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, "Velmora v2");
    bool drawn = true;
    {
        const ContextHandle cr(cairo_create(surface.get()));
        for (int page = 0; page < layout.pages(); ++page) {
            layout.draw(cr.get(), page);
            cairo_show_page(cr.get());
        }
        drawn = cairo_status(cr.get()) == CAIRO_STATUS_SUCCESS;
    }
    cairo_surface_finish(surface.get());
    return drawn && cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS && static_cast<bool>(out);
}

} // namespace velmora
