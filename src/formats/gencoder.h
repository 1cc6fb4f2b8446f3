#pragma once

#include "formats/gcoderKind.h"
#include "formats/gintegerOutputFormat.h"
#include "formats/gnumberOutputFormat.h"
#include "formats/gonOffStrings.h"
#include "g2driver/model/gstringOutputFormat.h"
#include "g2driver/model/gvalueStringTable.h"
#include "store/gstorable.h"

class CObjectFile;

// A numbered encoder of an SCL program: how a value is turned into data to
// send. Each kind holds one data-format record; the number is the key under
// which the program keeps the encoder.
class gencoder : public gstorable {
public:
    // An empty encoder of the kind a keyword token names (BISTATE, DIGITAL
    // NUMBER, DIGITAL STRINGS, ANALOG NUMBER, STRING); null for any other
    // token. The caller owns it.
    static gencoder* create(int token);

    // The kind keyword as a value and a line end: it continues the owner's
    // "ENCODER n, " line, so the indent is not used.
    void writeHeader(CObjectFile& file, int indent) const final;
    virtual int getKind() const = 0;
    // A new encoder of the same class with a copy of the record.
    virtual gencoder* clone() const = 0;

protected:
    // A line the record did not claim goes to the storable default ("END").
    gloadStatus afterRecord(gloadStatus recordStatus, int token, gstr& value);
};

class gencoderBistate final : public gencoder {
public:
    int getKind() const override { return gcoderKind::bistate; }
    gencoder* clone() const override { return new gencoderBistate(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { record_.afterLoad(); }
    bool isComplete() const override { return record_.isSet(); }

    const gonOffStrings& record() const noexcept { return record_; }
    gonOffStrings& record() noexcept { return record_; }

private:
    gonOffStrings record_;
};

// Unsigned only: no signed types and no FULL RIGHT.
class gencoderDigitalNumber final : public gencoder {
public:
    int getKind() const override { return gcoderKind::digitalNumber; }
    gencoder* clone() const override { return new gencoderDigitalNumber(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { record_.afterLoad(); }
    bool isComplete() const override { return record_.isComplete(); }

    const gintegerOutputFormat& record() const noexcept { return record_; }
    gintegerOutputFormat& record() noexcept { return record_; }

private:
    gintegerOutputFormat record_;
};

class gencoderDigitalStrings final : public gencoder {
public:
    int getKind() const override { return gcoderKind::digitalStrings; }
    gencoder* clone() const override { return new gencoderDigitalStrings(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { record_.afterLoad(); }
    bool isComplete() const override { return record_.hasEntries(); }

    const gvalueStringTable& record() const noexcept { return record_; }
    gvalueStringTable& record() noexcept { return record_; }

private:
    gvalueStringTable record_;
};

class gencoderAnalogNumber final : public gencoder {
public:
    int getKind() const override { return gcoderKind::analogNumber; }
    gencoder* clone() const override { return new gencoderAnalogNumber(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { record_.afterLoad(); }
    bool isComplete() const override { return record_.isComplete(); }

    const gnumberOutputFormat& record() const noexcept { return record_; }
    gnumberOutputFormat& record() noexcept { return record_; }

private:
    gnumberOutputFormat record_;
};

class gencoderString final : public gencoder {
public:
    int getKind() const override { return gcoderKind::string; }
    gencoder* clone() const override { return new gencoderString(*this); }
    void writeFields(CObjectFile& file, int indent) const override { record_.writeFields(file, indent); }
    gloadStatus loadField(int token, gstr& value) override;
    void afterLoad() override { record_.afterLoad(); }

    const gstringOutputFormat& record() const noexcept { return record_; }
    gstringOutputFormat& record() noexcept { return record_; }

private:
    gstringOutputFormat record_;
};
