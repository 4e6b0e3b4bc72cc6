#include "NewDocumentTypes.h"

#include <iterator>

const NewDocumentType newDocumentTypes[] = {
    {"Blank", "blank.png", "Opens a blank editor."},
    {"Dialog", "dialog.png", "Opens a new dialog builder window"},
    {"Dialog Script", "dialog_code.png", "This open does not yet exists."},
    {"Picture Window", "picwin.png", "Opens a picture window editor."},
    {"Script File", "scriptFile.png", "Opens an mSL script editor"},
    {"Text File", "textFile.png", "Opens a plain text editor"},
};

const int newDocumentTypeCount = int(std::size(newDocumentTypes));
