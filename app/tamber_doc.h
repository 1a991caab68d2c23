// The program's document: it holds nothing, and saving or loading stores and reads nothing.
#pragma once

#include "framework/doc_view.h"

class CTamberDoc : public framework::CDocument {};
