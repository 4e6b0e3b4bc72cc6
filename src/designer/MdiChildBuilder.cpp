#include "MdiChildBuilder.h"

MdiChildBuilder::MdiChildBuilder(QWidget* parent)
    : QMainWindow(parent)
{
    // Closing the window destroys it, as with the script windows; nothing in
    // an empty designer can be lost, so no question is asked.
    setAttribute(Qt::WA_DeleteOnClose);
}

MdiChildBuilder::~MdiChildBuilder()
{
    emit closing(this);
}
