// The four herds: cows, pigs, chickens and sheep. They differ only in their
// constants, caption, place and product.
#pragma once

#include "livestock/tierform.h"

class TKueheForm : public TtierForm {
public:
    TKueheForm();
    void neu() override;
    void platz() override;
};

class TSchweineForm : public TtierForm {
public:
    TSchweineForm();
    void neu() override;
    void platz() override;
};

class THuenerForm : public TtierForm {
public:
    THuenerForm();
    void neu() override;
    void platz() override;
};

class TSchafForm : public TtierForm {
public:
    TSchafForm();
    void neu() override;
    void platz() override;
};

extern TKueheForm* KueheForm;
extern TSchweineForm* SchweineForm;
extern THuenerForm* HuenerForm;
extern TSchafForm* SchafForm;
