#include "batch/ui/CModifyRegistersDialog.h"

#include "foundation/charClasses.h"
#include "foundation/jhashIterator.h"
#include "g2driver/model/g2driver.h"
#include "legacy/glegacyDriver.h"
#include "platform/settingsStore.h"
#include "platform/sortedItems.h"
#include "platform/textCodec.h"
#include "ports/gserialPort.h"
#include "registers/gregister.h"
#include "registers/gregisterSet.h"
#include "registers/sources/gsourceSummary.h"
#include "shell/CIconListBox.h"
#include "shell/CObjectListCtrl.h"
#include "shell/CStationEditorApp.h"
#include "shell/ownerDrawItems.h"
#include "shell/screenEditorServices.h"
#include "store/gstation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <charconv>
#include <unordered_set>

namespace {

using dialog = CModifyRegistersDialog;

constexpr int addNotANumber = 10098;
constexpr int minimumNotANumber = 10099;
constexpr int portRole = Qt::UserRole;

const gbatchTexts registerTexts{10192, 10202, 10141, 20154, 20162, 20123, 20139, 20158, 20166,
                                20127, 10031, 10032, 10033, 10018, 10019};

const gbatchKindOf<gregister>& registerKind()
{
    static const gbatchKindOf<gregister> kind(registerTexts, station::registers,
                                              [](gregister& r) { return !r.usedBy().isUnused(); });
    return kind;
}

batchDialogSpec registerSpec(bool legacyLayout)
{
    return {legacyLayout ? 852 : 534,
            "Modify/Duplicate Registers",
            "Regi&sters:",
            "Settings\\Batch Dialogs\\Register List",
            CMainFrame::registers,
            {{CBatchListDialog::namesId, "&Names", "ChangeName", 1},
             {dialog::logStringsId, "&Log strings", "ChangeLogStrings", 1},
             {dialog::controlsId, "A&utomatic controls", "ChangeControls", 1},
             {dialog::controlArgumentsId, "Arguments of automatic controls", "ChangeControlArguments", 0},
             {dialog::objectParametersId, "Parameters of serial objects in sources", "ChangeSourceObjectParameters", 1},
             {dialog::sourceRegistersId, "Registers &in sources", "ChangeSourceRegisters", 1},
             {dialog::sourceProgramsId, "Pr&ograms in sources", "ChangeSourcePrograms", 0},
             {dialog::sourceProgramArgumentsId, "Arguments of programs in sources", "ChangeSourceProgramArguments", 0},
             {dialog::sourceParametersId, "Param&eters in parameter sources", "ChangeSourceParameters", 0}},
            true};
}

// An optional sign and digits, nothing else, within 32 bits.
bool parseWhole(const gstrSlice& text, int32_t& value)
{
    const char* first = text.data();
    const char* last = text.end();
    const char* digits = first != last && (*first == '+' || *first == '-') ? first + 1 : first;
    if (digits == last || !std::all_of(digits, last, [](char c) { return charClass::isDigit(c); }))
        return false;
    auto [end, error] = std::from_chars(*first == '+' ? digits : first, last, value);
    return error == std::errc() && end == last;
}

// Every defined object of the table.
template <class E, class F>
void eachOf(jhashTypedDatabaseTable<E>& table, F f)
{
    jhashTypedIterator<E> it(table);
    E* object = nullptr;
    while (it.get(object)) {
        if (object->isDefined())
            f(*object);
    }
}

// The names of the devices, serial objects or data buffers of one port, or
// of the whole station without one; repeats are left to refill. A driver
// many devices share is listed once.
struct sourceNames {
    std::vector<gstr> devices;
    std::vector<gstr> dataObjects;
    std::vector<gstr> responses;
    std::unordered_set<const void*> drivers;
};

void addDriverObjects(sourceNames& names, g2driver* driver)
{
    if (driver && names.drivers.insert(driver).second)
        eachOf(driver->dataObjects(), [&](auto& o) { names.dataObjects.emplace_back(o.getName()); });
}

void addResponses(sourceNames& names, glegacyDriver* driver)
{
    if (driver && names.drivers.insert(driver).second)
        eachOf(driver->responses(), [&](auto& r) { names.responses.emplace_back(r.getName()); });
}

sourceNames namesOf(gserialPort* port)
{
    sourceNames names;
    auto portNames = [&](gserialPort& p, bool legacyToo) {
        eachOf(p.devices(), [&](gdevice& d) {
            names.devices.emplace_back(d.getName());
            addDriverObjects(names, d.getDriver());
        });
        if (!legacyToo)
            return;
        eachOf(p.legacyDevices(), [&](glegacyDevice& d) {
            names.devices.emplace_back(d.getName());
            addResponses(names, d.getDriver());
        });
    };
    if (port) {
        portNames(*port, true);
        return names;
    }
    eachOf(station::serialPorts(), [&](gserialPort& p) { portNames(p, false); });
    eachOf(station::legacyDrivers(), [&](glegacyDriver& driver) {
        names.devices.emplace_back(driver.getName());
        addResponses(names, &driver);
    });
    return names;
}

// Refills an editable combo, sorted and without repeats (letter case aside;
// the first spelling found stays); the text typed in it stays.
void refill(QComboBox* combo, std::vector<gstr> texts)
{
    QString typed = combo->currentText();
    std::stable_sort(texts.begin(), texts.end(),
                     [](const gstr& a, const gstr& b) { return a.compareNoCase(b) < 0; });
    texts.erase(std::unique(texts.begin(), texts.end(),
                            [](const gstr& a, const gstr& b) { return a.compareNoCase(b) == 0; }),
                texts.end());
    std::vector<listedItem> items;
    items.reserve(texts.size());
    for (const gstr& t : texts)
        items.push_back({toUiText(t), QVariant()});
    combo->clear();
    appendListedItems(*combo, items);
    combo->setCurrentIndex(-1);
    combo->setEditText(typed);
}

void updateProgramViews()
{
    if (CStationEditorApp* app = CStationEditorApp::instance())
        app->updateSclViews();
}

} // namespace

CModifyRegistersDialog::CModifyRegistersDialog(bool withLegacyDrivers, QWidget* parent)
    : CBatchListDialog(registerSpec(withLegacyDrivers), registerKind(), parent), legacyLayout_(withLegacyDrivers),
      images_(12, 10)
{
    buildOptions();
    images_.addStrip(registerRowStrip(), iconMaskColour);
    std::vector<QIcon> icons;
    for (int i = 0; i < images_.count(); ++i)
        icons.emplace_back(QPixmap::fromImage(images_.masked(i)));
    list().setIconSize(QSize(images_.width(), images_.height()));
    list().setRowImages(std::move(icons), [](const gtitledObject& object) {
        return registerIconIndex(static_cast<const gregister&>(object));
    });
}

void CModifyRegistersDialog::addOptionLabel(int optionId, const char* text, int x, int y, int cx)
{
    optionLabels_.emplace_back(optionId, addLabel(-1, text, x, y + 2, cx, 8));
}

void CModifyRegistersDialog::buildOptions()
{
    int y = extraTop();
    auto option = [this](int id, const char* text, int top) {
        auto* box = addCheckBox(id, text, 7, top, 198, 10);
        QObject::connect(box, &QCheckBox::toggled, this, [this, id] {
            enableOption(id);
            updateButtons();
        });
    };
    auto editCombo = [this](int id, int x, int top) {
        auto* combo = addComboBox(id, true, x, top, 105, 60);
        QObject::connect(combo, &QComboBox::editTextChanged, this, [this] { updateButtons(); });
    };
    option(portsId, "C&hange serial ports in sources:", y);
    addOptionLabel(portsId, "From:", 17, y + 13, 30);
    auto* from = addComboBox(fromPortId, false, 50, y + 13, 105, 60);
    addOptionLabel(portsId, "To:", 165, y + 13, 20);
    auto* to = addComboBox(toPortId, false, 190, y + 13, 105, 60);
    QObject::connect(from, &QComboBox::currentIndexChanged, this, [this] { fillFindCombos(); });
    QObject::connect(to, &QComboBox::currentIndexChanged, this, [this] { fillReplaceCombos(); });
    y += 28;
    option(devicesId, "Change de&vices in sources:", y);
    addOptionLabel(devicesId, "Find:", 17, y + 13, 30);
    editCombo(deviceFindId, 50, y + 13);
    addOptionLabel(devicesId, "Replace with:", 160, y + 13, 45);
    editCombo(deviceReplaceId, 208, y + 13);
    // The matching options stand on the option's own row, so that the
    // dialog with every option keeps to a small screen.
    addCheckBox(deviceMatchCaseId, "Match case", 208, y, 60, 10);
    addCheckBox(deviceWholeWordId, "Whole word", 270, y, 60, 10);
    y += 28;
    option(objectsId,
           legacyLayout_ ? "Chan&ge serial objects and device data buffers in sources:"
                         : "Chan&ge serial objects in sources:",
           y);
    addOptionLabel(objectsId, "Find:", 17, y + 13, 30);
    editCombo(objectFindId, 50, y + 13);
    addOptionLabel(objectsId, "Replace with:", 160, y + 13, 45);
    editCombo(objectReplaceId, 208, y + 13);
    addCheckBox(objectMatchCaseId, "Match case", 208, y, 60, 10);
    addCheckBox(objectWholeWordId, "Whole word", 270, y, 60, 10);
    y += 28;
    if (legacyLayout_) {
        option(offsetsId, "Change device data buffer offsets in sources:", y);
        addOptionLabel(offsetsId, "Data buffer:", 17, y + 13, 45);
        addComboBox(offsetBufferId, true, 65, y + 13, 90, 60);
        addOptionLabel(offsetsId, "Add", 160, y + 13, 15);
        addEdit(offsetAddId, 178, y + 13, 40, 12);
        addOptionLabel(offsetsId, "to offsets greater than or equat to", 17, y + 29, 130);
        addEdit(offsetMinimumId, 150, y + 29, 40, 12);
        y += 44;
    }
    setDialogSize(widthUnits, y + 4);
}

bool CModifyRegistersDialog::OnInitDialog()
{
    CBatchListDialog::OnInitDialog();
    fillPortCombos();
    fillFindCombos();
    fillReplaceCombos();
    for (int id : {portsId, devicesId, objectsId, offsetsId})
        enableOption(id);
    updateButtons();
    return true;
}

void CModifyRegistersDialog::enableOption(int optionId)
{
    if (!control(optionId))
        return;
    bool on = isChecked(optionId) && isControlEnabled(optionId);
    static const std::vector<std::pair<int, std::vector<int>>> parts{
        {portsId, {fromPortId, toPortId}},
        {devicesId, {deviceFindId, deviceReplaceId, deviceMatchCaseId, deviceWholeWordId}},
        {objectsId, {objectFindId, objectReplaceId, objectMatchCaseId, objectWholeWordId}},
        {offsetsId, {offsetBufferId, offsetAddId, offsetMinimumId}}};
    for (const auto& [option, ids] : parts) {
        if (option != optionId)
            continue;
        for (int id : ids)
            enableControl(id, on);
    }
    for (auto& [option, label] : optionLabels_) {
        if (option == optionId)
            label->setEnabled(on);
    }
}

void CModifyRegistersDialog::fillPortCombos()
{
    std::vector<gserialPort*> ports;
    eachOf(station::serialPorts(), [&](gserialPort& p) { ports.push_back(&p); });
    std::sort(ports.begin(), ports.end(),
              [](gserialPort* a, gserialPort* b) { return a->getTitle(true).compareNoCase(b->getTitle(true)) < 0; });
    for (auto [id, saved] : {std::pair<int, const gstr*>{fromPortId, &savedFromPort_}, {toPortId, &savedToPort_}}) {
        auto* combo = controlAs<QComboBox>(id);
        QSignalBlocker quiet(combo);
        combo->clear();
        int chosen = 0;
        for (gserialPort* port : ports) {
            if (port->getTag() == *saved)
                chosen = combo->count();
            combo->addItem(toUiText(port->getTitle(true)), QVariant::fromValue(reinterpret_cast<quintptr>(port)));
        }
        combo->setCurrentIndex(ports.empty() ? -1 : chosen);
    }
    if (ports.empty()) {
        setChecked(portsId, false);
        enableControl(portsId, false);
    }
}

gserialPort* CModifyRegistersDialog::portOf(int comboId) const
{
    auto* combo = controlAs<QComboBox>(comboId);
    int index = combo->currentIndex();
    return index < 0 ? nullptr : reinterpret_cast<gserialPort*>(combo->itemData(index, portRole).value<quintptr>());
}

void CModifyRegistersDialog::fillFindCombos()
{
    gserialPort* port = isChecked(portsId) ? portOf(fromPortId) : nullptr;
    sourceNames names = namesOf(port);
    std::vector<gstr> objects = names.dataObjects;
    objects.insert(objects.end(), names.responses.begin(), names.responses.end());
    refill(controlAs<QComboBox>(deviceFindId), names.devices);
    refill(controlAs<QComboBox>(objectFindId), objects);
    if (legacyLayout_)
        refill(controlAs<QComboBox>(offsetBufferId), objects);
}

void CModifyRegistersDialog::fillReplaceCombos()
{
    gserialPort* port = isChecked(portsId) ? portOf(toPortId) : nullptr;
    sourceNames names = namesOf(port);
    refill(controlAs<QComboBox>(deviceReplaceId), names.devices);
    refill(controlAs<QComboBox>(objectReplaceId), names.responses);
}

void CModifyRegistersDialog::loadSettings()
{
    CBatchListDialog::loadSettings();
    setChecked(portsId, profileInt(section, "ChangeSourcePorts", 0) != 0);
    savedFromPort_ = profileString(section, "FromPort", "");
    savedToPort_ = profileString(section, "ToPort", "");
    setChecked(devicesId, profileInt(section, "ChangeSourceDrivers", 0) != 0);
    setControlText(deviceFindId, profileString(section, "FindDriver", ""));
    setControlText(deviceReplaceId, profileString(section, "ReplaceDriver", ""));
    setChecked(deviceMatchCaseId, profileInt(section, "MatchDriverCase", 1) != 0);
    setChecked(deviceWholeWordId, profileInt(section, "MatchDriverWord", 1) != 0);
    setChecked(objectsId, profileInt(section, "ChangeSourceResponses", 0) != 0);
    setControlText(objectFindId, profileString(section, "ResponseFindText", ""));
    setControlText(objectReplaceId, profileString(section, "ResponseReplaceText", ""));
    setChecked(objectMatchCaseId, profileInt(section, "MatchResponseCase", 1) != 0);
    setChecked(objectWholeWordId, profileInt(section, "MatchResponseWord", 1) != 0);
    if (!legacyLayout_)
        return;
    setChecked(offsetsId, profileInt(section, "ChangeSourceOffsets", 0) != 0);
    setControlText(offsetBufferId, profileString(section, "OffsetResponseFindText", ""));
    setControlText(offsetAddId, profileString(section, "OffsetAdd", ""));
    setControlText(offsetMinimumId, profileString(section, "OffsetMinimum", ""));
}

void CModifyRegistersDialog::saveSettings()
{
    CBatchListDialog::saveSettings();
    writeProfileInt(section, "ChangeSourcePorts", isChecked(portsId) ? 1 : 0);
    gserialPort* from = portOf(fromPortId);
    gserialPort* to = portOf(toPortId);
    writeProfileString(section, "FromPort", from ? gstrSlice(from->getTag()) : gstrSlice::empty);
    writeProfileString(section, "ToPort", to ? gstrSlice(to->getTag()) : gstrSlice::empty);
    writeProfileInt(section, "ChangeSourceDrivers", isChecked(devicesId) ? 1 : 0);
    writeProfileString(section, "FindDriver", controlText(deviceFindId));
    writeProfileString(section, "ReplaceDriver", controlText(deviceReplaceId));
    writeProfileInt(section, "MatchDriverCase", isChecked(deviceMatchCaseId) ? 1 : 0);
    writeProfileInt(section, "MatchDriverWord", isChecked(deviceWholeWordId) ? 1 : 0);
    writeProfileInt(section, "ChangeSourceResponses", isChecked(objectsId) ? 1 : 0);
    writeProfileString(section, "ResponseFindText", controlText(objectFindId));
    writeProfileString(section, "ResponseReplaceText", controlText(objectReplaceId));
    writeProfileInt(section, "MatchResponseCase", isChecked(objectMatchCaseId) ? 1 : 0);
    writeProfileInt(section, "MatchResponseWord", isChecked(objectWholeWordId) ? 1 : 0);
    if (!legacyLayout_)
        return;
    writeProfileInt(section, "ChangeSourceOffsets", isChecked(offsetsId) ? 1 : 0);
    writeProfileString(section, "OffsetResponseFindText", controlText(offsetBufferId));
    writeProfileString(section, "OffsetAdd", controlText(offsetAddId));
    writeProfileString(section, "OffsetMinimum", controlText(offsetMinimumId));
}

bool CModifyRegistersDialog::gatherChange()
{
    gregisterBatchOptions o;
    gbatchFind find = currentFind();
    o.find = find.find;
    o.replace = find.replace;
    o.wholeWord = find.wholeWord;
    o.matchCase = find.matchCase;
    o.names = isChecked(namesId);
    o.logStrings = isChecked(logStringsId);
    o.automaticControls = isChecked(controlsId);
    o.controlArguments = isChecked(controlArgumentsId);
    o.serialObjectParameters = isChecked(objectParametersId);
    o.registersInSources = isChecked(sourceRegistersId);
    o.programsInSources = isChecked(sourceProgramsId);
    o.programArgumentsInSources = isChecked(sourceProgramArgumentsId);
    o.parametersInParameterSources = isChecked(sourceParametersId);
    if (isChecked(portsId)) {
        o.fromPort = portOf(fromPortId);
        o.toPort = portOf(toPortId);
    }
    if (isChecked(devicesId))
        o.devices = {true, controlText(deviceFindId), controlText(deviceReplaceId), isChecked(deviceWholeWordId),
                     isChecked(deviceMatchCaseId)};
    if (isChecked(objectsId))
        o.serialObjects = {true, controlText(objectFindId), controlText(objectReplaceId),
                           isChecked(objectWholeWordId), isChecked(objectMatchCaseId)};
    if (legacyLayout_ && isChecked(offsetsId)) {
        o.dataBufferName = controlText(offsetBufferId);
        if (!parseWhole(controlText(offsetAddId), o.offsetShift))
            return refuseField(offsetAddId, addNotANumber);
        if (!parseWhole(controlText(offsetMinimumId), o.minimumOffset))
            return refuseField(offsetMinimumId, minimumNotANumber);
    }
    change_ = std::move(o);
    return true;
}

int CModifyRegistersDialog::applyChange(gtitledObject& object, const gbatchFind& find, gstr& log,
                                        jhashDatabaseTable* newObjects)
{
    auto& reg = static_cast<gregister&>(object);
    // The title follows the batch tools' matching rules here.
    gregisterBatchOptions options = change_;
    options.names = false;
    int count = change_.names ? replaceInOwnTitle(reg, find) : 0;
    auto* copies = static_cast<jhashTypedDatabaseTable<gregister>*>(newObjects);
    return count + reg.replaceText(options, log, copies);
}

bool CModifyRegistersDialog::changesCopies() const
{
    return anyScopeChecked() || change_.fromPort || change_.devices.on || change_.serialObjects.on;
}

bool CModifyRegistersDialog::sourceOptionsComplete() const
{
    if (isChecked(devicesId) && (comboEmpty(deviceFindId) || comboEmpty(deviceReplaceId)))
        return false;
    return !isChecked(objectsId) || (!comboEmpty(objectFindId) && !comboEmpty(objectReplaceId));
}

void CModifyRegistersDialog::updateButtons()
{
    CBatchListDialog::updateButtons();
    if (!control(objectReplaceId))
        return; // still being built
    bool rows = anyRowSelected();
    bool scope = anyScopeChecked();
    bool offsets = legacyLayout_ && isChecked(offsetsId);
    bool something = scope || isChecked(portsId) || isChecked(objectsId) || offsets;
    enableControl(replaceAllId,
                  rows && (!scope || !findTextEmpty()) && sourceOptionsComplete() && something);
    enableControl(duplicateId, rows && !findTextEmpty() && sourceOptionsComplete());
}

void CModifyRegistersDialog::afterReplace(const std::vector<gtitledObject*>&, int total, bool names)
{
    if (names && total > 0)
        refreshDrawingPropertiesBar();
    list().refreshRowImages();
}

void CModifyRegistersDialog::afterDuplicate(const std::vector<gtitledObject*>& added)
{
    if (added.empty())
        return;
    refreshDrawingPropertiesBar();
    updateProgramViews();
}

// A register that only summaries list goes: the summaries let it go.
std::vector<gtitledObject*> CModifyRegistersDialog::deletableOf(const std::vector<gtitledObject*>& selected)
{
    std::vector<gregister*> candidates;
    for (gtitledObject* object : selected)
        candidates.push_back(static_cast<gregister*>(object));
    std::vector<gregister*> free = registersOnlySummariesUse(candidates);
    return std::vector<gtitledObject*>(free.begin(), free.end());
}

// Summary sources drop the registers about to go; a summary left with none
// goes too.
void CModifyRegistersDialog::beforeDelete(const std::vector<gtitledObject*>& going)
{
    if (going.empty())
        return;
    gregisterSet registers;
    for (gtitledObject* object : going)
        registers.insert(static_cast<gregister*>(object));
    eachOf(station::registers(), [&](gregister& r) { r.dropSourceIfEmptied(registers); });
}

void CModifyRegistersDialog::destroyObject(gtitledObject* object)
{
    auto* reg = static_cast<gregister*>(object);
    station::registers().remove(reg);
    // Copied screen objects and the drawing defaults hold registers by
    // pointer without being listed as users.
    if (screenEditorServices* editor = screenEditor()) {
        if (editor->clipboardUsesRegister(*reg))
            editor->emptyClipboard();
        editor->forgetRegister(*reg);
    }
    delete reg;
}

void CModifyRegistersDialog::afterDelete(int deleted)
{
    if (deleted == 0)
        return;
    refreshDrawingPropertiesBar();
    updateProgramViews();
}
