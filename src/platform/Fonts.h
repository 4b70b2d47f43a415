#pragma once

// The windows and printed pages name fonts of another desktop platform; map them to the metric
// twins installed here.
void installFontSubstitutions();
