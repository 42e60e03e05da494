// The four bulk stores: feed, diesel, grain and beets.
#pragma once

#include "goods/siloform.h"

class TFutterForm : public TSiloForm {
public:
    TFutterForm() : TSiloForm("FutterForm", "Futter") {}
    void neu() override;
    void platz() override;
};

class TDieselForm : public TSiloForm {
public:
    TDieselForm() : TSiloForm("DieselForm", "Diesel") {}
    void neu() override;
    void platz() override;
};

class TGetreideForm : public TSiloForm {
public:
    TGetreideForm() : TSiloForm("GetreideForm", "Getreide") {}
    void neu() override;
    void platz() override;
};

class TRuebenForm : public TSiloForm {
public:
    TRuebenForm() : TSiloForm("RuebenForm", "Rüben") {}
    void neu() override;
    void platz() override;
};

extern TFutterForm* FutterForm;
extern TDieselForm* DieselForm;
extern TGetreideForm* GetreideForm;
extern TRuebenForm* RuebenForm;
