#pragma once

class LaborageList;

// The form that shows the payroll list: the editor refreshes it after a change and reads its
// grid for the next position.
class LaborageListOwner {
public:
    virtual ~LaborageListOwner() = default;
    virtual void resetLaborage() = 0;
    virtual const LaborageList& laborageList() const = 0;
};
