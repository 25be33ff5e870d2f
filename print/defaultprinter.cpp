#include "calculationsheet.h"
#include "printqueue.h"

#include <QDate>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>

namespace molvera {

PrintStatus printOnPrinter(const CalculationSheet &sheet, const QPrinterInfo &printerInfo)
{
    // A null printer must not fall through to QPrinter's own fallback, a PDF nobody asked for.
    if (printerInfo.isNull())
        return PrintStatus::NoPrinter;
    switch (queueState(printerInfo.printerName())) {
    case QueueState::Stopped:
        return PrintStatus::PrinterStopped;
    case QueueState::RejectingJobs:
        return PrintStatus::PrinterRejectsJobs;
    case QueueState::Ready:
    case QueueState::Unknown:
        break;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    return printCalculationSheet(sheet, printer, QDate::currentDate(), QLocale());
}

PrintStatus printOnDefaultPrinter(const CalculationSheet &sheet)
{
    return printOnPrinter(sheet, QPrinterInfo::defaultPrinter());
}

} // namespace molvera
