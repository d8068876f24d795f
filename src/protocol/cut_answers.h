#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "core/buttons.h"
#include "core/controls.h"

namespace trelvani::protocol {

// The most α levels one request may ask for.
inline constexpr std::size_t kMaxAlphas = 65;

// What a request asks of a click's α-cuts: the cuts at `alphas` ("alpha"),
// Z's common readings ("conventions"), or both.
struct CutQuestion {
    std::span<const double> alphas;
    bool cuts = false;
    bool conventions = false;
};

// Works out the α-cuts part of a reply. The session knows how a request is
// shaped, not what a cut is: whoever owns the session hands it one of these.
class CutAnswers {
public:
    virtual ~CutAnswers() = default;
    // Called with X and Y as the click is about to find them.
    virtual void BeforeClick(const Controls& controls) = 0;
    // The members "cuts":[…] and "conventions":{…}, as asked, once `button`'s
    // click has run on `controls`; `failed` when it raised a runtime error.
    virtual std::string AfterClick(const Button& button, bool failed, const Controls& controls,
                                   const CutQuestion& question) = 0;
};

}  // namespace trelvani::protocol
