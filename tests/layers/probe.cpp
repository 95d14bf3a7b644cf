// SPDX-License-Identifier: GPL-3.0-or-later
// Includes the one header PROBE_HEADER names, with the include folders of the
// library the probe is built for: it builds only if that library may use it.
#include PROBE_HEADER
