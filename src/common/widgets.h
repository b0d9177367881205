// The building blocks of the fixed-layout windows, each in a file of its own: the
// look (common/style.h), pick lists, spin fields, the row layout, buttons, the
// hints' display time and the rules of the calculations' fields.
#pragma once

#include "common/buttons.h"
#include "common/field_rules.h"
#include "common/hint_time.h"
#include "common/pick_list.h"
#include "common/row_layout.h"
#include "common/spin_field.h"
#include "common/style.h"
