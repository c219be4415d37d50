// The group tree of the generated catalogue, assembled once from its two halves.
#include "tools/catgen/catalogue_plan.h"

namespace kvx::catgen {

const std::vector<MainDef>& cataloguePlan() {
    static const std::vector<MainDef> plan = [] {
        std::vector<MainDef> p;
        appendComponentGroups(p);
        appendEquipmentGroups(p);
        return p;
    }();
    return plan;
}

}  // namespace kvx::catgen
