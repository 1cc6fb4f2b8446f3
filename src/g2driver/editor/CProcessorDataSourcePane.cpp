#include "g2driver/editor/CProcessorDataSourcePane.h"

#include "g2driver/editor/CSourceTypeHostPane.h"
#include "registers/sources/g2driverProcessorSource.h"
#include "shell/CProgramCombo.h"
#include "shell/CSpinEdit.h"
#include "shell/programArgumentsDialog.h"
#include "store/jhashTypedDatabaseTable.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int badWidth = 10524;
constexpr int noProgram = 10639;
constexpr int kindHeight = 34;

} // namespace

CProcessorDataSourcePane::CProcessorDataSourcePane(CSourceTypeHostPane& host)
    : CDataElementSourcePane(host, templateId)
{
}

CProcessorDataSourcePane::~CProcessorDataSourcePane() = default;

bool CProcessorDataSourcePane::create(const g2driverDataSource* source)
{
    const auto* processor = static_cast<const g2driverProcessorSource*>(source);
    if (processor)
        call_ = processor->call();
    rebindProgram(call_, host().tables().programs);
    addDataElementControls(kindHeight);
    int top = sharedHeight;
    programs_ = addControl(programId, new CProgramCombo(&call_), 50, top + 18, 128, 100);
    std::vector<QWidget*> own{
        addCheckBox(useWidthId, "Use fi&xed width:", 0, top + 2, 70, 10),
        addControl(widthId, new CNonNegativeSpinEdit(), 72, top, 44, 12),
        addLabel(-1, "&Program:", 0, top + 20, 48, 8),
        programs_,
        addButton(argumentsId, "Arguments...", 182, top + 17, 48, 14),
    };
    for (QWidget* control : own)
        children_.push_back({control, control->pos()});
    programs_->fill(false);
    if (programs_->count() == 0)
        return refuseCreate(noProgram);
    QObject::connect(controlAs<QCheckBox>(useWidthId), &QCheckBox::toggled, this,
                     [this](bool on) { enableControl(widthId, on); });
    onCommand(argumentsId, [this] {
        call_.setProgram(programs_->selectedProgram());
        if (editProgramArguments(call_, this))
            programs_->update();
    });
    if (!initFromReference(processor ? &processor->reference() : nullptr))
        return false;
    bool fixed = processor && processor->getLength() != 0;
    setChecked(useWidthId, fixed);
    enableControl(widthId, fixed);
    static_cast<CNonNegativeSpinEdit*>(control(widthId))->setValue(fixed ? processor->getLength() : 1);
    return true;
}

void CProcessorDataSourcePane::moveChildren(int extra)
{
    for (const placed& child : children_)
        child.control->move(child.origin.x(), child.origin.y() + extra);
}

std::unique_ptr<g2driverDataSource> CProcessorDataSourcePane::makeSource()
{
    auto source = std::make_unique<g2driverProcessorSource>();
    if (!storeIntoReference(source->reference()))
        return nullptr;
    int32_t width = 0;
    if (isChecked(useWidthId)) {
        if (!static_cast<CNonNegativeSpinEdit*>(control(widthId))->getValue(width) || width < 1)
            return refuseField(widthId, badWidth), nullptr;
    }
    source->setLength(width);
    call_.setProgram(programs_->selectedProgram());
    source->call() = call_;
    return source;
}
