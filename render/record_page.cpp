#include "record_page.h"

#include "qt_text.h"
#include "record_diagrams.h"
#include "record_drawing.h"
#include "record_fonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>

#include <functional>

namespace ipb {
namespace {

// The windows' two sizes of Arial, in the record's own Liberation Sans with the same metrics.
constexpr double kBodyPoints = 9.75;
constexpr double kSmallPoints = 8.25;

const QColor kInk(0x00, 0x00, 0x00);
const QColor kGreyed(0x9A, 0x9A, 0x9A);
const QColor kRule(0x80, 0x80, 0x80);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kGreen(0x00, 0xC0, 0x00);

// Column edges in millimetres from the left margin: caption, value (right-aligned, so the
// decimals line up), then the mark of an inadmissible value.
constexpr double kValueRightMm = 105;
constexpr double kMarkMm = 109;
constexpr double kDrawingWidthMm = 64;
constexpr double kGapMm = 2.2;

// Lays the record out top to bottom in device pixels, keeping the current height.
class PageWriter {
  public:
    // A dry writer only measures: it moves down the page as far as the painting would.
    explicit PageWriter(QPainter& painter, bool dry = false)
        : p_(painter), mm_(painter.device()->logicalDpiY() / 25.4),
          width_(painter.device()->width()), height_(painter.device()->height()), dry_(dry) {}

    double mm(double millimetres) const { return millimetres * mm_; }
    double width() const { return width_; }
    double height() const { return height_; }
    double y = 0;
    bool dry() const { return dry_; }

    double lineHeight(const QFont& font) const {
        return QFontMetricsF(font, p_.device()).lineSpacing();
    }

    // Where the text of a page must end, and what starts the next page when a block would run
    // past it: a long group of checks goes on over as many pages as it needs.
    void breakPagesAt(double bottom, std::function<void()> nextPage) {
        bottom_ = bottom;
        nextPage_ = std::move(nextPage);
    }
    // Makes room for a block of this height: on the next page when it would not fit here.
    void room(double height) {
        if (nextPage_ && y > 0 && y + height > bottom_) {
            nextPage_();
        }
    }
    double measure(double x, double right, const QString& text, const QFont& font) const {
        p_.setFont(font);
        return p_
            .boundingRect(QRectF(x, 0, right - x, height_), Qt::TextWordWrap | Qt::AlignLeft, text)
            .height();
    }

    // One line of text in the box from x to right at the current height; the height stays.
    void text(double x, double right, const QString& text, const QFont& font,
              const QColor& colour = kInk, Qt::Alignment align = Qt::AlignLeft) {
        if (dry_) {
            return;
        }
        p_.setFont(font);
        p_.setPen(colour);
        p_.drawText(QRectF(x, y, right - x, lineHeight(font)), align | Qt::AlignTop, text);
    }

    // Text that may wrap within x to right; moves below it.
    void paragraph(double x, double right, const QString& text, const QFont& font,
                   const QColor& colour = kInk) {
        room(measure(x, right, text, font));
        wrapped(x, right, text, font, colour);
    }
    // The same where the block is placed already and no page may break in it.
    void wrapped(double x, double right, const QString& text, const QFont& font,
                 const QColor& colour = kInk) {
        p_.setFont(font);
        p_.setPen(colour);
        const QRectF space(x, y, right - x, height_ - y);
        const QRectF used = p_.boundingRect(space, Qt::TextWordWrap | Qt::AlignLeft, text);
        if (!dry_) {
            p_.drawText(space, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
        }
        y += used.height();
    }

    void heading(const QString& title) {
        const QFont font = recordFont(kBodyPoints, true);
        // A heading is never the last line of a page.
        room(mm(kGapMm) + 3 * lineHeight(font));
        y += mm(kGapMm);
        text(0, width_, title, font);
        y += lineHeight(font) + mm(0.8);
    }

    void rule(double x, double right, double thicknessMm, const QColor& colour) {
        if (dry_) {
            return;
        }
        p_.setPen(QPen(colour, mm(thicknessMm)));
        p_.drawLine(QPointF(x, y), QPointF(right, y));
    }

    void frame(const QRectF& box, double thicknessMm, const QColor& colour) {
        if (dry_) {
            return;
        }
        p_.setPen(QPen(colour, mm(thicknessMm)));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(box);
    }

    QPainter& painter() { return p_; }

  private:
    QPainter& p_;
    double mm_;
    double width_;
    double height_;
    bool dry_;
    double bottom_ = 0;
    std::function<void()> nextPage_;
};

void paintHeader(PageWriter& page, const RecordModel& record) {
    const QFont title = recordFont(kBodyPoints, true);
    const QFont small = recordFont(kSmallPoints);
    page.text(0, page.width(),
              QStringLiteral("Trägerberechnung – Spannungs- und Durchbiegungsnachweis"), title);
    page.text(0, page.width(), qtText(record.programTitle), small, kInk, Qt::AlignRight);
    page.y += page.lineHeight(title);
    page.text(0, page.width(), QStringLiteral("Einfeldträger aus Walzprofil IPB (HE-B)"), small);
    page.text(0, page.width(), qtText(record.calculatedAt), small, kInk, Qt::AlignRight);
    page.y += page.lineHeight(small) + page.mm(1);
    page.rule(0, page.width(), 0.35, kInk);
    // Which beam of which project, on every sheet, so a page filed loose still says so.
    if (!record.positionLine.empty()) {
        // Long fields wrap onto a second line rather than lose the engineer's name.
        page.y += page.mm(1);
        page.wrapped(0, page.width(), qtText(record.positionLine), small);
    }
}

// Caption and value side by side, the value right-aligned at the value column.
void paintPair(PageWriter& page, double captionX, double valueRight, const QString& caption,
               const QString& value, const QFont& font) {
    page.text(captionX, valueRight, caption, font);
    page.text(captionX, valueRight, value, font, kInk, Qt::AlignRight);
    page.y += page.lineHeight(font);
}

void paintLoadCaseAndSection(PageWriter& page, const RecordModel& record) {
    const QFont body = recordFont(kBodyPoints);
    const double top = page.y;
    const double columnRight = page.width() - page.mm(kDrawingWidthMm + 3);

    page.heading(QStringLiteral("Lastfall"));
    const double drawingTop = page.y;
    page.paragraph(0, columnRight, qtText(record.loadCaseName), body);

    page.heading(QStringLiteral("Profil"));
    const double valueX = page.mm(33);
    const auto line = [&](const QString& caption, const QString& value) {
        page.text(0, valueX, caption, body);
        page.text(valueX, columnRight, value, body);
        page.y += page.lineHeight(body);
    };
    line(QStringLiteral("Bezeichnung DIN"), qtText(record.designationDin));
    line(QStringLiteral("Euronorm"), qtText(record.designationEuro));
    QString caption = QStringLiteral("Querschnittswerte");
    for (const std::string& value : record.sectionTexts) {
        line(std::exchange(caption, QString()), qtText(value));
    }

    // The drawing beside the text, in the window's proportions (2 : 1), framed like there.
    {
        const QRectF box(page.width() - page.mm(kDrawingWidthMm), drawingTop,
                         page.mm(kDrawingWidthMm), page.mm(kDrawingWidthMm / 2));
        paintLoadDrawing(page.painter(), box, record.pointLoad);
        page.frame(box, 0.2, kRule);
        page.y = std::max(page.y, box.bottom());
    }
    page.y = std::max(page.y, top);
}

void paintInputs(PageWriter& page, const RecordModel& record) {
    page.heading(QStringLiteral("Eingaben"));
    const QFont body = recordFont(kBodyPoints);
    const double top = page.y;
    const double valueRight = page.mm(kValueRightMm);
    for (const RecordField& input : record.inputs) {
        paintPair(page, 0, valueRight, qtText(input.captionWithUnit()), qtText(input.value), body);
    }
    paintPair(page, 0, valueRight, QStringLiteral("Max. zul. Durchbiegung"),
              qtText(record.deflectionLimit), body);
    // Beside them, what the design to the standard was given ("Bemessung…").
    const double inputsBottom = page.y;
    const QFont small = recordFont(kSmallPoints);
    const QFont smallBold = recordFont(kSmallPoints, true);
    const double left = page.mm(kMarkMm + 2);
    const double valueX = left + page.mm(19);
    page.y = top - page.lineHeight(smallBold) - page.mm(0.8);
    page.text(left, page.width(), QStringLiteral("Bemessung"), smallBold);
    page.y += page.lineHeight(smallBold) + page.mm(0.8);
    for (const RecordField& field : record.designData) {
        page.text(left, valueX, qtText(field.caption), small);
        page.text(valueX, page.width(), qtText(field.value), small);
        page.y += page.lineHeight(small);
    }
    page.y = std::max(page.y, inputsBottom);
}

void paintResults(PageWriter& page, const RecordModel& record) {
    page.heading(QStringLiteral("Ergebnisse"));
    const QFont body = recordFont(kBodyPoints);
    const QFont mark = recordFont(kBodyPoints, true);
    const double valueRight = page.mm(kValueRightMm);
    const double rowHeight = page.lineHeight(body) + page.mm(0.5);
    page.rule(0, page.width(), 0.2, kRule);
    for (const RecordRow& row : record.rows) {
        const bool red = row.field.inadmissible;
        page.y += page.mm(0.25);
        // The span row without a point load stays greyed and empty, as in the window.
        page.text(0, valueRight, qtText(row.field.captionWithUnit()), body,
                  row.hasValue ? kInk : kGreyed);
        if (row.hasValue) {
            page.text(0, valueRight, qtText(row.field.value), red ? mark : body, red ? kRed : kInk,
                      Qt::AlignRight);
        }
        if (red) {
            page.text(page.mm(kMarkMm), page.width(), qtText(kInadmissibleMark), mark, kRed);
        }
        page.y += rowHeight - page.mm(0.25);
        page.rule(0, page.width(), 0.1, kRule);
    }
}

void paintVerdict(PageWriter& page, const RecordModel& record) {
    page.heading(QStringLiteral("Urteil"));
    const QFont bold = recordFont(kBodyPoints, true);
    const QFont body = recordFont(kBodyPoints);
    const double pad = page.mm(2.5);
    const double top = page.y;
    page.y += pad;
    // Every line wraps inside the frame, which grows with them: no failing check is cut off.
    const double right = page.width() - pad;
    page.wrapped(pad, right, qtText(record.verdictLine), bold);
    page.wrapped(pad, right, qtText(record.verdictDetail), body);
    // Each group of checks beyond the verdict: its failing checks, or the line that says it
    // holds where the group has one.
    for (const CheckSection& section : record.checkSections) {
        if (!section.pageOneLine.empty()) {
            const bool failed = !section.failed.empty();
            page.wrapped(pad, right, qtText(section.pageOneLine), failed ? bold : body,
                         failed ? kRed : kInk);
        }
    }
    page.wrapped(pad, right, qtText(record.overallLine), bold, record.allHold ? kInk : kRed);
    page.y += pad;
    // Green only when every check holds: the words above carry the verdict in grey print.
    page.frame(QRectF(0, top, page.width(), page.y - top), 0.7, record.allHold ? kGreen : kRed);
}

// Every check with its utilisation and state, as the window of all checks lists them: the four
// windows' verdict and the further checks in the left column, the design to the standard in the
// right, so that page 1 keeps to one page.
void paintCheckTable(PageWriter& page, const RecordModel& record) {
    page.heading(QStringLiteral("Nachweise"));
    const QFont small = recordFont(kSmallPoints);
    const QFont smallBold = recordFont(kSmallPoints, true);
    const double line = page.lineHeight(small) * 0.88;
    const double columnWidth = (page.width() - page.mm(4)) / 2;
    const double stateWidth = page.mm(21);
    const double top = page.y;
    double bottom = top;
    for (std::size_t i = 0; i < record.checkTable.size(); ++i) {
        const CheckTableGroup& group = record.checkTable[i];
        const bool right = i + 1 == record.checkTable.size() && i > 0;
        const double left = right ? columnWidth + page.mm(4) : 0;
        const double end = left + columnWidth;
        if (right) {
            page.y = top;
        }
        page.text(left, end, qtText(group.heading), smallBold);
        page.y += line;
        for (const CheckTableRow& row : group.rows) {
            const QColor ink = row.fails ? kRed : kInk;
            page.text(left + page.mm(2), end - stateWidth - page.mm(16), qtText(row.name), small,
                      ink);
            page.text(left, end - stateWidth - page.mm(2), qtText(row.utilisation),
                      row.overLimit ? smallBold : small, row.overLimit ? kRed : kInk,
                      Qt::AlignRight);
            page.text(end - stateWidth, end, qtText(row.state), row.fails ? smallBold : small, ink);
            page.y += line;
        }
        page.y += page.mm(0.8);
        bottom = std::max(bottom, page.y);
    }
    page.y = bottom;
}

void paintMethod(PageWriter& page, const RecordModel& record) {
    page.heading(QStringLiteral("Berechnungsgrundlagen"));
    const QFont small = recordFont(kSmallPoints);
    for (const std::string& paragraph : record.method) {
        if (&paragraph != &record.method.front()) {
            page.y += page.mm(1);
        }
        page.paragraph(0, page.width(), qtText(paragraph), small);
    }
}

void paintWorkings(PageWriter& page, const RecordModel& record) {
    page.heading(QStringLiteral("Rechenweg"));
    const QFont small = recordFont(kSmallPoints);
    page.paragraph(0, page.width(), qtText(record.workingsPreamble), small);
    page.y += page.mm(1);
    for (const WorkingLine& line : record.workings) {
        page.paragraph(page.mm(2), page.width(), qtText(line.text()), small);
        page.y += page.mm(0.4);
    }
}

// Sentences in a red frame, for what the verdict alone does not say; nothing when there are none.
void paintNotes(PageWriter& page, const std::vector<std::string>& notes) {
    if (notes.empty()) {
        return;
    }
    const double pad = page.mm(2);
    double height = 2 * pad;
    for (const std::string& note : notes) {
        height +=
            page.measure(pad, page.width() - pad, qtText(note), recordFont(kBodyPoints, true));
    }
    // The frame stays whole on one page.
    page.room(page.mm(2) + height);
    page.y += page.mm(2);
    const double top = page.y;
    page.y += pad;
    for (const std::string& note : notes) {
        page.paragraph(pad, page.width() - pad, qtText(note), recordFont(kBodyPoints, true));
    }
    page.y += pad;
    page.frame(QRectF(0, top, page.width(), page.y - top), 0.5, kRed);
}

void paintExactMaxima(PageWriter& page, const RecordModel& record) {
    page.heading(QStringLiteral("Genaue Größtwerte"));
    const QFont body = recordFont(kBodyPoints);
    for (const ExactLine& line : record.exactLines) {
        page.text(0, page.width(), qtText(line.text()), body);
        page.y += page.lineHeight(body);
    }
    // A framed note where the exact figures would decide otherwise than the program's.
    paintNotes(page, record.exactNotes);
}

void paintCheckSection(PageWriter& page, const CheckSection& further) {
    page.heading(qtText(further.heading));
    const QFont small = recordFont(kSmallPoints);
    const QFont smallBold = recordFont(kSmallPoints, true);
    const QFont body = recordFont(kBodyPoints);
    for (const std::string& paragraph : further.preamble) {
        page.paragraph(0, page.width(), qtText(paragraph), small);
    }
    for (const CheckSteps& group : further.checks) {
        page.y += page.mm(1.2);
        page.paragraph(0, page.width(), qtText(group.title), smallBold);
        if (!group.remark.empty()) {
            page.paragraph(page.mm(2), page.width(), qtText(group.remark), small);
        }
        for (const WorkingLine& line : group.lines) {
            page.paragraph(page.mm(2), page.width(), qtText(line.text()), small);
            page.y += page.mm(0.4);
        }
    }
    // The results, their notes and the closing paragraphs stay together: no page holds only
    // what closes a group.
    const auto tail = [&](PageWriter& writer) {
        writer.y += writer.mm(2);
        for (const std::string& result : further.results) {
            writer.paragraph(0, writer.width(), qtText(result), body);
        }
        paintNotes(writer, further.notes);
        writer.y += writer.mm(2);
        for (const std::string& assumption : further.closing) {
            writer.paragraph(0, writer.width(), qtText(assumption), small);
            writer.y += writer.mm(0.6);
        }
    };
    PageWriter measured(page.painter(), true);
    tail(measured);
    page.room(measured.y);
    tail(page);
}

// Where the footer begins: the text of a page ends above it.
double footerTop(const PageWriter& page) {
    return page.height() - page.lineHeight(recordFont(kSmallPoints)) - page.mm(1);
}

void paintFooter(PageWriter& page, const RecordModel& record, int pageNumber, int pages) {
    const QFont small = recordFont(kSmallPoints);
    page.y = footerTop(page);
    page.rule(0, page.width(), 0.2, kRule);
    page.y += page.mm(1);
    page.text(0, page.width(), qtText(record.footer), small, kRule);
    page.text(0, page.width(), QStringLiteral("Seite %1 von %2").arg(pageNumber).arg(pages), small,
              kRule, Qt::AlignRight);
}

// The calculation path, the lines along the span and the exact maxima.
void paintWorkingsPage(PageWriter& page, const RecordModel& record) {
    paintHeader(page, record);
    paintWorkings(page, record);
    page.heading(QStringLiteral("Schnittgrößen und Biegelinie"));
    const double diagramsHeight = page.mm(112);
    if (!page.dry()) {
        paintBeamDiagrams(page.painter(), QRectF(0, page.y, page.width(), diagramsHeight), record,
                          page.mm(1));
    }
    page.y += diagramsHeight;
    paintExactMaxima(page, record);
}

} // namespace

QPageLayout recordPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(25, 15, 15, 15),
                       QPageLayout::Millimeter);
}

namespace {

// The whole record, page by page; without a device it only measures, and gives the number of
// pages either way, so that every footer can count them.
int layOut(QPainter& painter, QPagedPaintDevice* device, const RecordModel& record, int pages) {
    PageWriter page(painter, device == nullptr);
    int pageNumber = 1;
    const auto nextPage = [&] {
        if (device) {
            paintFooter(page, record, pageNumber, pages);
            device->newPage();
        }
        ++pageNumber;
        page.y = 0;
    };
    const double bottom = footerTop(page) - page.mm(2);
    page.breakPagesAt(bottom, [&] {
        nextPage();
        paintHeader(page, record);
    });

    paintHeader(page, record);
    paintLoadCaseAndSection(page, record);
    paintInputs(page, record);
    paintResults(page, record);
    paintVerdict(page, record);
    paintCheckTable(page, record);
    paintMethod(page, record);
    nextPage();
    paintWorkingsPage(page, record);
    // The first group of checks stays together below the exact maxima where it fits; every
    // other group starts a page of its own and runs on over as many as it needs.
    for (const CheckSection& section : record.checkSections) {
        bool fits = false;
        if (&section == &record.checkSections.front()) {
            PageWriter measured(painter, true);
            paintCheckSection(measured, section);
            fits = page.y + measured.y <= bottom;
        }
        if (!fits) {
            nextPage();
            paintHeader(page, record);
        }
        paintCheckSection(page, section);
    }
    if (device) {
        paintFooter(page, record, pageNumber, pages);
    }
    return pageNumber;
}

} // namespace

void paintRecord(QPainter& painter, QPagedPaintDevice& device, const RecordModel& record) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int pages = layOut(painter, nullptr, record, 0);
    layOut(painter, &device, record, pages);
    painter.restore();
}

} // namespace ipb
