// The main window's button of the transformer catalogue.
#include "ui/form1.h"
#include "ui/form6_transformer_catalogue.h"
#include "ui/session.h"

namespace ampera {

// "выбрать" in the transformer frame: the catalogue, created anew after it
// discarded itself, shown modeless beside the main window; a minimised
// catalogue comes back as it was left.
void Form1::Command20_Click() { session().form<Form6>()->showModeless(); }

}  // namespace ampera
