#pragma once

// The kinds of document the New command offers, in the order of the type
// chooser; an entry's row is the chooser's result.
struct NewDocumentType {
    const char* text;
    const char* icon; // file in newDocumentIconFolder
    const char* whatsThis;
};

inline constexpr const char newDocumentIconFolder[] = ":/newFile/resources/img_assets/new_type/";

extern const NewDocumentType newDocumentTypes[];
extern const int newDocumentTypeCount;
