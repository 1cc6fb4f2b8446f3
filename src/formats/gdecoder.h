#pragma once

#include "formats/gcoderKind.h"
#include "formats/gintegerInputFormat.h"
#include "formats/gnumberInputFormat.h"
#include "formats/gonOffPatterns.h"
#include "formats/gstringMatch.h"
#include "g2driver/model/gvalueStringMap.h"
#include "store/gstorable.h"

class CObjectFile;

// A numbered decoder of an SCL program: how a value is found in data received
// from a device. Each kind holds one data-format record; the number is the
// key under which the program keeps the decoder.
class gdecoder : public gstorable {
public:
    // An empty decoder of the kind a keyword token names (BISTATE, DIGITAL
    // NUMBER, DIGITAL STRINGS, ANALOG NUMBER, STRING); null for any other
    // token. The caller owns it.
    static gdecoder* create(int token);

    // The kind keyword as a value and a line end: it continues the owner's
    // "DECODER n, " line, so the indent is not used.
    void writeHeader(CObjectFile& file, int indent) const final;
    virtual int getKind() const = 0;
    // A new decoder of the same class with a copy of the record.
    virtual gdecoder* clone() const = 0;

protected:
    // A line the record did not claim goes to the storable default ("END").
    gloadStatus afterRecord(gloadStatus recordStatus, int token, gstr& value);
};

class gdecoderBistate final : public gdecoder {
public:
    int getKind() const override { return gcoderKind::bistate; }
    gdecoder* clone() const override { return new gdecoderBistate(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return record_.isComplete(); }

    const gonOffPatterns& record() const noexcept { return record_; }
    gonOffPatterns& record() noexcept { return record_; }

private:
    gonOffPatterns record_;
};

// Unsigned only: the signed types are not read.
class gdecoderDigitalNumber final : public gdecoder {
public:
    int getKind() const override { return gcoderKind::digitalNumber; }
    gdecoder* clone() const override { return new gdecoderDigitalNumber(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.write(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { record_.afterLoad(); }
    bool isComplete() const override { return record_.isValid(); }

    const gintegerInputFormat& record() const noexcept { return record_; }
    gintegerInputFormat& record() noexcept { return record_; }

private:
    gintegerInputFormat record_;
};

class gdecoderDigitalStrings final : public gdecoder {
public:
    int getKind() const override { return gcoderKind::digitalStrings; }
    gdecoder* clone() const override { return new gdecoderDigitalStrings(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.write(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return record_.hasEntries(); }

    const gvalueStringMap& record() const noexcept { return record_; }
    gvalueStringMap& record() noexcept { return record_; }

private:
    gvalueStringMap record_;
};

// GREATER_LESS and SEPARATOR are no keywords of this decoder.
class gdecoderAnalogNumber final : public gdecoder {
public:
    int getKind() const override { return gcoderKind::analogNumber; }
    gdecoder* clone() const override { return new gdecoderAnalogNumber(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.write(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { record_.afterLoad(); }
    bool isComplete() const override { return record_.isValid(); }

    const gnumberInputFormat& record() const noexcept { return record_; }
    gnumberInputFormat& record() noexcept { return record_; }

private:
    gnumberInputFormat record_;
};

class gdecoderString final : public gdecoder {
public:
    int getKind() const override { return gcoderKind::string; }
    gdecoder* clone() const override { return new gdecoderString(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.write(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    bool isComplete() const override { return record_.pattern().isSet(); }

    const gstringMatch& record() const noexcept { return record_; }
    gstringMatch& record() noexcept { return record_; }

private:
    gstringMatch record_;
};
