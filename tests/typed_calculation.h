#pragma once

// A calculation as "Berechnen" runs it on a fresh input window, without the window: the texts
// typed into +q, then l or F, la, lb, then the safety; the deflection limit l/300.

#include "calculation.h"
#include "section_table.h"

#include <QStringList>

inline std::shared_ptr<const ipb::Calculation>
typedCalculation(std::size_t row, const QStringList& typed, ipb::DeflectionLimit limit = 300,
                 const ipb::DesignData& design = {}) {
    using ipb::InputField;
    ipb::InputTexts texts;
    const bool point = typed.size() == 5;
    const auto fields = point ? std::vector{InputField::plusq, InputField::F, InputField::la,
                                            InputField::lb, InputField::sic}
                              : std::vector{InputField::plusq, InputField::l, InputField::sic};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        texts[fields[i]] = typed[qsizetype(i)].toStdString();
    }
    auto request = ipb::checkRequest(point ? ipb::LoadCase::PointLoad : ipb::LoadCase::UniformLoad,
                                     {row}, limit, texts);
    request.design = design;
    return ipb::calculate(request).calculation;
}

// The result of one check of the list, by its identifier.
inline const ipb::CheckResult* checkOf(const ipb::Calculation& c, std::string_view id) {
    for (const ipb::CheckResult& check : c.checks) {
        if (check.id == id) {
            return &check;
        }
    }
    return nullptr;
}
