#pragma once

#include "foundation/gsortedList.h"
#include "registers/gvalueListNodes.h"
#include "store/gstorable.h"

#include <cstdint>

// The calibration of an analog register: points that map raw values to
// calibrated ones, in ascending raw order with no raw value twice, and an
// optional polynomial of degree 1 to 10 fitted through them, of y or of
// log y. Its block is "CALIBRATION" ... "END" in the analog register.
class gcalibration : public gstorable {
public:
    static constexpr int32_t maxDegree = 10;

    gcalibration() = default;
    gcalibration(const gcalibration&) = default;
    gcalibration& operator=(const gcalibration&) = default;
    // The Calibration Data dialog's result: degree, force zero offset and
    // log y copied, the points taken over (the other loses them).
    void transferFrom(gcalibration& other);

    gsortedList<gcalibrationPoint>& points() noexcept { return points_; }
    const gsortedList<gcalibrationPoint>& points() const noexcept { return points_; }
    bool hasPoints() const noexcept { return points_.first() != nullptr; }
    // False when a point with that raw value is already there.
    bool addPoint(double raw, double calibrated);
    // 0 no polynomial.
    int32_t getDegree() const noexcept { return degree_; }
    void setDegree(int32_t degree) noexcept { degree_ = degree; }
    // -1 not set, 0 no, 1 the constant term is forced to 0.
    int32_t getForceZeroOffset() const noexcept { return forceZeroOffset_; }
    void setForceZeroOffset(int32_t force) noexcept { forceZeroOffset_ = force; }
    // -1 not set, 0 fit y, 1 fit log y.
    int32_t getLogY() const noexcept { return logY_; }
    void setLogY(int32_t logY) noexcept { logY_ = logY; }

    // Whether the block has anything to write.
    bool isSet() const noexcept { return hasPoints() || degree_ != 0; }

    // "CALIBRATION".
    void writeHeader(CObjectFile& file, int indent) const override;
    // SMOOTHING with a polynomial, then one POINT line per point.
    void writeFields(CObjectFile& file, int indent) const override;
    gloadStatus loadField(int token, gstr& value) override;
    // A log-y polynomial needs every calibrated value above 0.
    bool isComplete() const override;

    // Empties the points and reads those the run-time program stored for
    // the register of the station (gregisterDataStore). True when every
    // point was read; on false the points read before the failure stay.
    bool importPoints(const gstrSlice& stationPath, const gstrSlice& registerTag);

private:
    gloadStatus loadSmoothing(const gstr& value);
    gloadStatus loadPoint(const gstr& value);

    gsortedList<gcalibrationPoint> points_;
    int32_t degree_ = 0;
    int32_t forceZeroOffset_ = -1;
    int32_t logY_ = -1;
};
