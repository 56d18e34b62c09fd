// The boxes' captions: the word 確認 or the application title.
#include "ui/box_description.h"

#include "ui/app_title.h"

TBoxCaption BoxCaption(TBoxKind kind) {
    if (DescribeBox(kind).Title == TBoxTitle::Confirmation) return {kConfirmationTitle, false};
    return {BoxApplicationTitle(), true};
}
