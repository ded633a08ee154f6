#include "record_workings.h"

#include "number_text.h"
#include "window_services.h"

#include <QLocale>

#include <cmath>

namespace ipb {
namespace {

// The figure of a results row exactly as the window shows it.
QString shownText(const CalculationRecord& record, std::size_t row) {
    const auto& text = record.calculation.view.rows[row].text;
    return text ? qtText(*text) : QString();
}

QString fixed(double value, int decimals) {
    return qtText(textFromNumber(value, decimals, ','));
}

// The program's figure against the exact one, in percent of the exact one, always signed.
QString deviation(double shown, double exact) {
    const QString percent = fixed(100 * (shown - exact) / exact, 1);
    return (percent.startsWith(QLatin1Char('-')) ? percent : QLatin1Char('+') + percent) +
           QStringLiteral(" %");
}

// "symbol = formula = values = result unit"
QString working(const QString& symbol, const QString& formula, const QString& values,
                const QString& result, const QString& unit) {
    QString line = symbol + QStringLiteral(" = ") + formula + QStringLiteral(" = ") + values +
                   QStringLiteral(" = ") + result;
    return unit.isEmpty() ? line : line + QLatin1Char(' ') + unit;
}

} // namespace

QString germanNumber(double value) {
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    return german.toString(value, 'g', 10);
}

QStringList workingLines(const CalculationRecord& record) {
    const CalculationValues& v = record.calculation.values;
    const BeamInput& in = v.input;
    const BeamResult& r = v.result;
    const bool point = r.lastfall == 2.0f;
    const auto n = [](double x) { return germanNumber(x); };
    const double q = v.section.q0 / 1000.0 + in.plusq;
    const QString qs = n(q), l = n(in.l), F = n(in.F), la = n(in.la), lb = n(in.lb);
    const QString Ix = n(v.section.Ix), Wx = n(v.section.Wx);

    QStringList lines;
    lines << working(QStringLiteral("q"), QStringLiteral("q0/1000 + (+q)"),
                     QStringLiteral("%1/1000 + %2").arg(n(v.section.q0), n(in.plusq)), qs,
                     QStringLiteral("kN/m"));
    if (point) {
        lines << working(QStringLiteral("FA"), QStringLiteral("q·l/2 + F·lb/l"),
                         QStringLiteral("%1·%2/2 + %3·%4/%2").arg(qs, l, F, lb),
                         shownText(record, RowFA), QStringLiteral("kN"))
              << working(QStringLiteral("FB"), QStringLiteral("q·l/2 + F·la/l"),
                         QStringLiteral("%1·%2/2 + %3·%4/%2").arg(qs, l, F, la),
                         shownText(record, RowFB), QStringLiteral("kN"))
              << working(QStringLiteral("q·l"), QStringLiteral("q·(la + lb)"),
                         QStringLiteral("%1·(%2 + %3)").arg(qs, la, lb),
                         shownText(record, RowTotalLoad), QStringLiteral("kN"))
              << working(QStringLiteral("l"), QStringLiteral("la + lb"),
                         QStringLiteral("%1 + %2").arg(la, lb), shownText(record, RowSpan),
                         QStringLiteral("m"))
              << working(QStringLiteral("Mb"), QStringLiteral("q·l²/8 + F·la·lb/l"),
                         QStringLiteral("%1·%2²/8 + %3·%4·%5/%2").arg(qs, l, F, la, lb),
                         shownText(record, RowMb), QStringLiteral("kNm"));
    } else {
        for (const auto& [symbol, row] :
             {std::pair{QStringLiteral("FA"), RowFA}, std::pair{QStringLiteral("FB"), RowFB}}) {
            lines << working(symbol, QStringLiteral("q·l/2"), QStringLiteral("%1·%2/2").arg(qs, l),
                             shownText(record, row), QStringLiteral("kN"));
        }
        lines << working(QStringLiteral("q·l"), QStringLiteral("q·l"),
                         QStringLiteral("%1·%2").arg(qs, l), shownText(record, RowTotalLoad),
                         QStringLiteral("kN"))
              << working(QStringLiteral("Mb"), QStringLiteral("q·l²/8"),
                         QStringLiteral("%1·%2²/8").arg(qs, l), shownText(record, RowMb),
                         QStringLiteral("kNm"));
    }
    lines << working(QStringLiteral("σ"), QStringLiteral("Mb/Wx·1000"),
                     QStringLiteral("%1/%2·1000").arg(n(r.Mb), Wx), shownText(record, RowSigmax),
                     QStringLiteral("N/mm²"))
          << working(QStringLiteral("zul. σ"), QStringLiteral("330/Mindestsicherheit"),
                     QStringLiteral("330/%1").arg(n(in.sic)), shownText(record, RowSigzul),
                     QStringLiteral("N/mm²"))
          << working(QStringLiteral("vorh. Sicherheit"), QStringLiteral("330/σ"),
                     QStringLiteral("330/%1").arg(n(r.sigmax)), shownText(record, RowSafety),
                     QString());

    if (point) {
        // The point load's own maximum lies in the longer part; the uniform load's deflection
        // is taken at the same place and added.
        const double xi = r.z / in.l;
        BeamModel uniformOnly = beamModel(v);
        uniformOnly.F = 0;
        const double fq = deflection(uniformOnly, r.z);
        const double fP = r.fmax - fq;
        const QString xf = n(r.xf), z = n(r.z);
        lines << working(QStringLiteral("xf"), QStringLiteral("min(la, lb)"),
                         QStringLiteral("min(%1, %2)").arg(la, lb), xf, QStringLiteral("m"));
        lines << (in.la > in.lb
                      ? working(QStringLiteral("z"), QStringLiteral("√((l² − lb²)/3)"),
                                QStringLiteral("√((%1² − %2²)/3)").arg(l, lb), z,
                                QStringLiteral("m"))
                      : working(QStringLiteral("z"), QStringLiteral("l − √((l² − la²)/3)"),
                                QStringLiteral("%1 − √((%1² − %2²)/3)").arg(l, la), z,
                                QStringLiteral("m")));
        lines << working(QStringLiteral("fP"),
                         QStringLiteral("F·la²·lb²/(3·E·Ix·l)·(l + xf)/(3·xf)·√((l + xf)/(3·(l − "
                                        "xf)))·10⁷"),
                         QStringLiteral("%1·%2²·%3²/(3·21000·%4·%5)·(%5 + %6)/(3·%6)·√((%5 + "
                                        "%6)/(3·(%5 − %6)))·10⁷")
                             .arg(F, la, lb, Ix, l, xf),
                         n(fP), QStringLiteral("mm"))
              << working(QStringLiteral("ξ"), QStringLiteral("z/l"),
                         QStringLiteral("%1/%2").arg(z, l), n(xi), QString())
              << working(QStringLiteral("fq"), QStringLiteral("q·l⁴/(24·E·Ix)·(ξ − 2·ξ³ + ξ⁴)·10⁷"),
                         QStringLiteral("%1·%2⁴/(24·21000·%3)·(%4 − 2·%4³ + %4⁴)·10⁷")
                             .arg(qs, l, Ix, n(xi)),
                         n(fq), QStringLiteral("mm"))
              << working(QStringLiteral("f"), QStringLiteral("fP + fq"),
                         QStringLiteral("%1 + %2").arg(n(fP), n(fq)), shownText(record, RowFmax),
                         QStringLiteral("mm"));
    } else {
        lines << working(QStringLiteral("f"), QStringLiteral("5·q·l⁴/(384·E·Ix)·10⁷"),
                         QStringLiteral("5·%1·%2⁴/(384·21000·%3)·10⁷").arg(qs, l, Ix),
                         shownText(record, RowFmax), QStringLiteral("mm"));
    }
    const QString divisor = n(in.fmaxteiler);
    lines << working(QStringLiteral("zul. f"), QStringLiteral("l/%1·1000").arg(divisor),
                     QStringLiteral("%1/%2·1000").arg(l, divisor), shownText(record, RowFzul),
                     r.fmax < 0.001 ? QString() : QStringLiteral("mm"));
    return lines;
}

ExactMaxima exactMaxima(const CalculationRecord& record) {
    const BeamModel beam = beamModel(record.calculation.values);
    ExactMaxima exact;
    exact.moment = maximumMoment(beam);
    exact.stress = exact.moment.value / beam.Wx * 1000;
    exact.deflection = maximumDeflection(beam);
    return exact;
}

QList<ExactLine> exactLines(const CalculationRecord& record) {
    const ExactMaxima exact = exactMaxima(record);
    const BeamResult& r = record.calculation.values.result;
    return {
        {QStringLiteral("M,max"), fixed(exact.moment.value, 4), QStringLiteral("kNm"),
         fixed(exact.moment.x, 3), shownText(record, RowMb), deviation(r.Mb, exact.moment.value)},
        {QStringLiteral("σ,max"), fixed(exact.stress, 3), QStringLiteral("N/mm²"),
         fixed(exact.moment.x, 3), shownText(record, RowSigmax), deviation(r.sigmax, exact.stress)},
        {QStringLiteral("f,max"), fixed(exact.deflection.value, 3), QStringLiteral("mm"),
         fixed(exact.deflection.x, 3), shownText(record, RowFmax),
         deviation(r.fmax, exact.deflection.value)},
    };
}

QString exactLineText(const ExactLine& line) {
    return QStringLiteral("%1 = %2 %3 bei x = %4 m (Programmwert %5 %3, %6)")
        .arg(line.symbol, line.value, line.unit, line.place, line.shown, line.deviation);
}

QStringList exactVerdictNotes(const CalculationRecord& record) {
    const ExactMaxima exact = exactMaxima(record);
    const BeamResult& r = record.calculation.values.result;
    QStringList notes;
    const auto note = [&](const QString& what, const QString& symbol, const QString& limit,
                          double value, double allowable, bool shownFails, const QString& unit) {
        const bool exactFails = value > allowable;
        if (exactFails == shownFails) {
            return;
        }
        notes << QStringLiteral("Genau gerechnet %1 die %2 %3: %4 = %5 %6 %7 %8 = %9 %6.")
                     .arg(exactFails ? QStringLiteral("ist") : QStringLiteral("wäre"), what,
                          exactFails ? QStringLiteral("unzulässig") : QStringLiteral("zulässig"),
                          symbol, fixed(value, 3), unit,
                          exactFails ? QStringLiteral(">") : QStringLiteral("≤"), limit,
                          fixed(allowable, 3));
    };
    note(QStringLiteral("Biegespannung"), QStringLiteral("σ,max"), QStringLiteral("zul. σ"),
         exact.stress, r.sigzul, record.calculation.view.stressFailed, QStringLiteral("N/mm²"));
    note(QStringLiteral("Durchbiegung"), QStringLiteral("f,max"), QStringLiteral("zul. f"),
         exact.deflection.value, r.fzul, record.calculation.view.deflectionFailed,
         QStringLiteral("mm"));
    return notes;
}

} // namespace ipb
