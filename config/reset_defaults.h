// "Reset to Defaults": every setting of the first four pages and the controls that show it.
#pragma once

void reset_to_defaults();
