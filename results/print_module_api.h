#pragma once

// The one entry point of the print module, shared by the module and the program that loads it.
// Printing needs Qt's print support, which costs start-up time and memory; it lives in a module
// of its own that is loaded the first time the user prints.

#include <QString>

#include <functional>

class QPageLayout;
class QPainter;
class QWidget;

namespace ipb {

enum class PrintOutcome { Printed = 0, Cancelled = 1, Failed = 2 };

// Draws the page; the painter's device is the printable area of an A4 page.
using PagePainter = std::function<void(QPainter&)>;

// Shows the print dialog over parent, proposing the page layout, and prints the page; returns
// a PrintOutcome, and on failure error says why. proposedFile is the PDF path the program would
// save to: its name names the print job, and without a printer the dialog offers that file.
using PrintRecordFunction = int (*)(QWidget* parent, const QString& proposedFile,
                                    const QPageLayout& layout, const PagePainter& paint,
                                    QString& error);

inline constexpr char kPrintRecordSymbol[] = "ipbtraeger_print_record";

} // namespace ipb
