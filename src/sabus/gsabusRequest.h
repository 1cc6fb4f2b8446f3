#pragma once

#include "store/gtitledObject.h"

// An SABus request (object type REQUEST). Its opcode, fixed parameters and
// query or command body come with the SABus requests; so far it is its tag
// and title.
class gsabusRequest : public gtitledObject {
public:
    gsabusRequest() = default;

    const gobjectType* getObjectType() const override;
    gsabusRequest* clone() const { return new gsabusRequest(*this); }
};
