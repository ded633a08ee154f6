#include "check_verdict.h"

namespace ipb {

std::string_view groupName(CheckGroup group) {
    switch (group) {
    case CheckGroup::Verdict:
        return "Urteil der vier Fenster";
    case CheckGroup::Further:
        return "Weitere Nachweise";
    case CheckGroup::Eurocode:
        break;
    }
    return "DIN EN 1993-1-1";
}

std::string_view stateWord(CheckState state) {
    switch (state) {
    case CheckState::Holds:
        return "erfüllt";
    case CheckState::DoesNotApply:
        return "entfällt";
    case CheckState::NotExamined:
        return "nicht untersucht";
    case CheckState::Fails:
    case CheckState::NotComputable:
        break;
    }
    return "nicht erfüllt";
}

} // namespace ipb
