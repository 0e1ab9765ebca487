/*
 * Browser documents of the simulated desktop: each scrollBy is recorded in
 * the journal and answered with the result a test chose (by default the
 * accessibility library is missing, as on a desktop without the browser).
 */
#pragma once

#include "platform/DocumentScript.h"
#include "platform/sim/CallJournal.h"

namespace q5::sim {

class SimDocumentScript final : public DocumentScript {
public:
    explicit SimDocumentScript(CallJournal& journal) : journal_(journal) {}

    void SetResult(DocumentScrollResult result) { result_ = result; }

    DocumentScrollResult ScrollBy(WindowHandle window, std::int32_t dx, std::int32_t dy) override;

private:
    CallJournal& journal_;
    DocumentScrollResult result_ = DocumentScrollResult::kNoLibrary;
};

}  // namespace q5::sim
