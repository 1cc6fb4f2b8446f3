#pragma once

#include "foundation/gstr.h"
#include "registers/sources/ui/CSourcePane.h"

#include <cstdint>
#include <memory>

class gregisterSource;

// The panes of the parameter sources (type codes 1 to 4): "&Default value:"
// with the editor of the class's default, and "&Remember the value across
// launches of K.O.R.V.E.L.". The editor is enabled only while the default
// is checked; a default that is not checked is dropped on OK even though
// the editor still shows it.
class CParameterSourcePane : public CSourcePane {
public:
    static constexpr int defaultCheckId = 1844;
    static constexpr int editorId = 1200;
    static constexpr int persistentId = 1957;

    bool create(CRegisterDialog& dialog) final;
    // Nothing worth asking about while neither box is checked.
    bool isReplaceableWithoutAsking() const final;
    bool validate() final;

protected:
    CParameterSourcePane(int templateId, int32_t persistent, bool hasDefault)
        : CSourcePane(templateId), persistent_(persistent > 0), hasDefault_(hasDefault)
    {
    }

    // The controls of the default, to the right of the check box; the
    // pane's height in dialog units.
    virtual int addEditor() = 0;
    virtual void showDefault() = 0;
    virtual void enableEditor(bool enable) = 0;
    // Takes the editor's default into the copy; false after the field's
    // message.
    virtual bool readDefault() = 0;

    bool persistent_;
    bool hasDefault_;
};

class CBistateParameterSourcePane final : public CParameterSourcePane {
public:
    static constexpr int onId = 2059;
    static constexpr int offId = 2060;

    CBistateParameterSourcePane() : CParameterSourcePane(856, 0, false) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    void applyToBistate(gbistateSupplement& supplement) override;

private:
    int addEditor() override;
    void showDefault() override;
    void enableEditor(bool enable) override;
    bool readDefault() override;

    bool on_ = true;
};

class CDigitalParameterSourcePane final : public CParameterSourcePane {
public:
    CDigitalParameterSourcePane() : CParameterSourcePane(857, 0, false) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    void applyToDigital(gdigitalSupplement& supplement) override;

private:
    int addEditor() override;
    void showDefault() override;
    void enableEditor(bool enable) override;
    bool readDefault() override;

    uint32_t value_ = 0;
};

class CAnalogParameterSourcePane final : public CParameterSourcePane {
public:
    CAnalogParameterSourcePane() : CParameterSourcePane(857, 0, false) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    void applyToAnalog(ganalogSupplement& supplement) override;

private:
    int addEditor() override;
    void showDefault() override;
    void enableEditor(bool enable) override;
    bool readDefault() override;

    double value_ = 0;
};

// The default text is edited escaped ("Show as te&xt") or as hexadecimal
// bytes ("Show as &hex").
class CStringParameterSourcePane final : public CParameterSourcePane {
public:
    static constexpr int showHexId = 1434;
    static constexpr int showTextId = 1435;

    CStringParameterSourcePane() : CParameterSourcePane(853, 0, false) {}
    static std::unique_ptr<CSourcePane> make(const gregisterSource* source);

    void applyToString(gstringSupplement& supplement) override;

private:
    int addEditor() override;
    void showDefault() override;
    void enableEditor(bool enable) override;
    bool readDefault() override;

    gstr text_;
};
