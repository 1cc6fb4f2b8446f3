#pragma once

#include "g2driver/model/g2driverParameterValue.h"
#include "registers/sources/ui/CSourcePane.h"

#include "foundation/gregexp.h"
#include "store/gstorable.h"

#include <QSize>
#include <cstdint>
#include <memory>
#include <vector>

class CAllowedStringsPage;
class CBitMaskPane;
class CParameterValuesPanel;
class QComboBox;
class g2driver;
class g2driverDataObject;
class gdevice;
class gregisterSource;
class gsourceSerialObject;
class gserialPort;

// The panes of the sources that read a data object of a G2 device: a serial
// port, one of its G2 devices and a data object of the device's driver (not
// internal, of a value kind the pane takes), with the values of the
// object's parameters in a panel to the right. A choice of another port,
// device or object keeps the device, object and values of the same names
// where the new choice has them.
class CDataObjectSourcePane : public CSourcePane {
public:
    static constexpr int portId = 1376;
    static constexpr int dataObjectId = 1347;
    static constexpr int deviceId = 1207;
    static constexpr int panelId = 1898;

    CDataObjectSourcePane(int templateId, int cx, int cy);
    ~CDataObjectSourcePane() override;

    bool create(CRegisterDialog& dialog) override;
    bool validate() override;

    CParameterValuesPanel& panel() const { return *panel_; }

protected:
    // The held location of a source (null: none).
    void holdFrom(const gsourceSerialObject* part);
    void hold(gdevice* device, g2driverDataObject* object, const g2driverParameterValueTable& values);
    // What validate took.
    gdevice* heldDevice() const { return device_; }
    g2driverDataObject* heldDataObject() const { return dataObject_; }
    const g2driverParameterValueTable& heldValues() const { return values_; }
    // The two halves of create, for a dialog of its own: the controls
    // (template units), then the lists filled from the held location (false
    // after the message when the station has no port).
    void addLocationControls();
    bool fillLocation();
    // The held location into a new source's part.
    void applyLocation(gsourceSerialObject& part) const;
    // The object chosen in the combo, or null.
    g2driverDataObject* selectedDataObject() const;

    virtual bool acceptsValueKind(int32_t kind) const = 0;
    // The message when the device has no data object the pane takes.
    virtual int noDataObjectsMessage() const = 0;
    // Adds the pane's own controls below the location (dialog units).
    virtual void addOwnControls() {}
    virtual void dataObjectChosen(g2driverDataObject*) {}
    // The pane's own fields, checked after the location.
    virtual bool validateOwn() { return true; }
    // The child pane below the location follows the parameter rows.
    virtual void placeLowerPane(int) {}
    // The dialog units where a pane's own controls start.
    static constexpr int ownTop = 50;

private:
    QComboBox& combo(int id) const;
    void fillDevices(bool initial);
    void fillDataObjects(bool initial);
    void showParameters(bool initial);

    CParameterValuesPanel* panel_ = nullptr;
    QSize base_;
    gdevice* device_ = nullptr;
    g2driverDataObject* dataObject_ = nullptr;
    g2driverParameterValueTable values_{5};
    g2driver* listedDriver_ = nullptr;
    int cx_;
    int cy_;
    bool filling_ = false;
};

// 11: a bistate object, with "&Invert the value".
class CDataObjectBistateSourcePane final : public CDataObjectSourcePane {
public:
    static constexpr int invertId = 1291;

    CDataObjectBistateSourcePane() : CDataObjectSourcePane(837, 300, 60) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    void applyToBistate(gbistateSupplement& supplement) override;

protected:
    bool validateOwn() override;
    bool acceptsValueKind(int32_t kind) const override { return kind == 1; }
    int noDataObjectsMessage() const override { return 10691; }
    void addOwnControls() override;

private:
    int32_t invert_ = 0;
};

// 12: a digital object through the masks pane's AND and XOR masks and
// polarity.
class CDataObjectBitMaskSourcePane final : public CDataObjectSourcePane {
public:
    static constexpr int lowerPaneId = 1844;

    CDataObjectBitMaskSourcePane();
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    void applyToBistate(gbistateSupplement& supplement) override;
    CBitMaskPane& masksPane() const { return *masksPane_; }

protected:
    bool acceptsValueKind(int32_t kind) const override { return kind == 2; }
    int noDataObjectsMessage() const override { return 10690; }
    void addOwnControls() override;
    bool validateOwn() override;
    void placeLowerPane(int extra) override;

private:
    gbitMaskSetting masks_;
    CBitMaskPane* masksPane_ = nullptr;
};

// 18: a string object kept only when it matches an allowed pattern.
class CDataObjectFilterSourcePane final : public CDataObjectSourcePane {
public:
    static constexpr int lowerPaneId = 1844;

    CDataObjectFilterSourcePane();
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    void applyToString(gstringSupplement& supplement) override;
    CAllowedStringsPage& allowedPage() const { return *page_; }

protected:
    bool acceptsValueKind(int32_t kind) const override { return kind == 4; }
    int noDataObjectsMessage() const override { return 10693; }
    void addOwnControls() override;
    bool validateOwn() override;
    void placeLowerPane(int extra) override;

private:
    std::vector<gregexp> allowed_;
    CAllowedStringsPage* page_ = nullptr;
};

// 13: a digital object, whose value names the register dialog shows.
class CDataObjectDigitalSourcePane final : public CDataObjectSourcePane {
public:
    CDataObjectDigitalSourcePane() : CDataObjectSourcePane(834, 300, 46) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    void applyToDigital(gdigitalSupplement& supplement) override;
    bool getValueName(gstr& text, uint32_t value) const override;

protected:
    bool acceptsValueKind(int32_t kind) const override { return kind == 2; }
    int noDataObjectsMessage() const override { return 10690; }
};

// 16: a digital or analog object with a factor and an offset; the object's
// element count is the register's.
class CDataObjectAnalogSourcePane final : public CDataObjectSourcePane {
public:
    static constexpr int factorId = 1259;
    static constexpr int offsetId = 1349;

    CDataObjectAnalogSourcePane() : CDataObjectSourcePane(838, 300, 78) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    bool create(CRegisterDialog& dialog) override;
    void applyToAnalog(ganalogSupplement& supplement) override;
    int hasGreaterLess() const override;
    bool needsOwnElementCount() const override { return false; }

protected:
    bool acceptsValueKind(int32_t kind) const override { return kind == 2 || kind == 3; }
    int noDataObjectsMessage() const override { return 10692; }
    bool validateOwn() override;
    void addOwnControls() override;
    void dataObjectChosen(g2driverDataObject* object) override;

private:
    double factor_ = 1;
    double offset_ = 0;
};

// 17: a string object.
class CDataObjectStringSourcePane final : public CDataObjectSourcePane {
public:
    CDataObjectStringSourcePane() : CDataObjectSourcePane(834, 300, 46) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    void applyToString(gstringSupplement& supplement) override;

protected:
    bool acceptsValueKind(int32_t kind) const override { return kind == 4; }
    int noDataObjectsMessage() const override { return 10693; }
};
