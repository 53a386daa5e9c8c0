#pragma once
// How the host turns an element's sources and update callback into what it shows.

#include "host/gauge_records.h"
#include "panelsim/gauge_instance.h"

namespace panelsim {

class SimModel;

// Compass angle of a point seen from a pivot: 0 = straight up, clockwise, 0 to under 360.
double angle_from_pivot(host::Point pivot, host::Point tip);

// Fills each point's angle as the host computes it: the first point's compass angle, then
// each next point the clockwise turn further (so the angles grow along the table).
void compute_table_angles(host::NonlinearityPoint* table, int count, host::Point pivot);

// The needle angle for a value: linear between the enclosing points, and beyond either end the
// first or last step's rate continues.
double table_angle(const host::NonlinearityPoint* table, int count, double value);

// Refreshes the element's sources from the model, calls its update callbacks and records what
// it shows. dt limits a needle's turning rate.
void refresh_element(ElementNode& node, SimModel& model, double dt);

}  // namespace panelsim
