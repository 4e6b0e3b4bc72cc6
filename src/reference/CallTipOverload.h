#pragma once

#include <QString>

// One overload as the call tip shows it: the signature line with the current
// parameter already marked, and the sentence under it.
struct CallTipOverload {
    QString signatureHtml;
    QString descriptionHtml;

    bool operator==(const CallTipOverload& o) const
    {
        return signatureHtml == o.signatureHtml && descriptionHtml == o.descriptionHtml;
    }
};
