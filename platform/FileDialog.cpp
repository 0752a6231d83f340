#include "platform/Platform.h"

namespace platform {

std::optional<QString> FileDialog::execute(QWidget* owner)
{
    auto name = kind_ == Kind::Save ? interaction().saveFileName(owner, fileName_)
                                    : interaction().openFileName(owner, fileName_);
    if (name)
        fileName_ = *name;
    return name;
}

}  // namespace platform
