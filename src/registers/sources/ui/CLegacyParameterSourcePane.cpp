#include "registers/sources/ui/CLegacyParameterSourcePane.h"

#include "foundation/jhashIterator.h"
#include "legacy/glegacyParameter.h"
#include "platform/textCodec.h"
#include "registers/ganalogSupplement.h"
#include "registers/gbistateSupplement.h"
#include "registers/gdigitalSupplement.h"
#include "registers/gstringSupplement.h"
#include "registers/sources/gsourceLegacyParameter.h"
#include "store/gstation.h"

#include <QComboBox>
#include <algorithm>
#include <vector>

namespace {

constexpr int noParameters = 10185;
constexpr int noSelection = 10151;

QVariant parameterData(glegacyParameter* parameter)
{
    return QVariant::fromValue(reinterpret_cast<quintptr>(parameter));
}

// The station's legacy parameters in byte order of their titles.
std::vector<glegacyParameter*> sortedParameters()
{
    std::vector<glegacyParameter*> parameters;
    jhashTypedIterator<glegacyParameter> it(station::legacyParameters());
    glegacyParameter* parameter = nullptr;
    while (it.get(parameter)) {
        if (parameter->isDefined())
            parameters.push_back(parameter);
    }
    std::stable_sort(parameters.begin(), parameters.end(), [](glegacyParameter* a, glegacyParameter* b) {
        return a->getTitle(true).compare(b->getTitle(true)) < 0;
    });
    return parameters;
}

} // namespace

std::unique_ptr<CSourcePane> CLegacyParameterSourcePane::make(const gregisterSource* source)
{
    auto pane = std::make_unique<CLegacyParameterSourcePane>();
    if (const gsourceLegacyParameterRef* ref = legacyParameterRef(source))
        pane->parameter_ = ref->getParameter();
    return pane;
}

bool CLegacyParameterSourcePane::create(CRegisterDialog& dialog)
{
    addLabel(-1, "&Parameter:", 0, 2, 50, 8);
    QComboBox* parameters = addComboBox(parameterId, false, 54, 0, 160, 12);
    becomeChildOf(dialog, 286, 16);
    for (glegacyParameter* parameter : sortedParameters())
        parameters->addItem(toUiText(parameter->getTitle(true)), parameterData(parameter));
    if (parameters->count() == 0)
        return refuseCreate(noParameters);
    int held = parameter_ ? parameters->findData(parameterData(parameter_)) : -1;
    parameters->setCurrentIndex(std::max(held, 0));
    return true;
}

QComboBox& CLegacyParameterSourcePane::combo() const { return *controlAs<QComboBox>(parameterId); }

bool CLegacyParameterSourcePane::validate()
{
    int index = combo().currentIndex();
    if (index < 0)
        return refuseFocusOnly(parameterId, noSelection);
    parameter_ = reinterpret_cast<glegacyParameter*>(combo().itemData(index).value<quintptr>());
    return true;
}

void CLegacyParameterSourcePane::apply(gregisterSource* made) const
{
    gsourceLegacyParameterRef* ref = legacyParameterRef(made);
    if (!ref)
        throw gfault("source of another kind in CLegacyParameterSourcePane::apply()");
    ref->setParameter(parameter_);
}

void CLegacyParameterSourcePane::applyToAnalog(ganalogSupplement& supplement)
{
    apply(supplement.newLegacyParameterSource());
}

void CLegacyParameterSourcePane::applyToBistate(gbistateSupplement& supplement)
{
    apply(supplement.newLegacyParameterSource());
}

void CLegacyParameterSourcePane::applyToDigital(gdigitalSupplement& supplement)
{
    apply(supplement.newLegacyParameterSource());
}

void CLegacyParameterSourcePane::applyToString(gstringSupplement& supplement)
{
    apply(supplement.newLegacyParameterSource());
}
