#include "SeverityIcons.h"

namespace {

struct SeverityIcon {
    int type;
    const char* path;
};

const SeverityIcon severityIcons[] = {
    {1, ":/messages/syntax/resources/img_assets/messages/syntax/information.png"},
    {2, ":/messages/syntax/resources/img_assets/messages/syntax/warning.png"},
    {3, ":/messages/syntax/resources/img_assets/messages/syntax/error.png"},
    {10, ":/messages/syntax/msgs/resources/img_assets/messages/syntax/msgs/blue.png"},
    {11, ":/messages/syntax/msgs/resources/img_assets/messages/syntax/msgs/green.png"},
    {12, ":/messages/syntax/msgs/resources/img_assets/messages/syntax/msgs/grey.png"},
    {13, ":/messages/syntax/msgs/resources/img_assets/messages/syntax/msgs/orange.png"},
    {14, ":/messages/syntax/msgs/resources/img_assets/messages/syntax/msgs/red.png"},
    {15, ":/messages/syntax/msgs/resources/img_assets/messages/syntax/msgs/yellow.png"},
};

} // namespace

QString severityIconPath(int type)
{
    for (const SeverityIcon& icon : severityIcons) {
        if (icon.type == type)
            return QString::fromLatin1(icon.path);
    }
    return QString();
}
