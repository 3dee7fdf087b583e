#include "RigFixture.h"
