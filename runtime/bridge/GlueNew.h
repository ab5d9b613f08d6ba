// GlueNew: routes a package's generated constructors through factory functions. Generated glue
// allocates with Mtolua_new((Type)(args)); after this header that becomes GlueNewType(args), so a
// package can check arguments before anything is allocated (a Lua error raised there leaks
// nothing) or build a record that has no matching C++ constructor. Include it from the header a
// .pkg includes with $#include, and declare GlueNew<Type> overloads for every constructor form.
#pragma once

#include <tolua++.h>

#undef Mtolua_new
#define Mtolua_new(EXP) VORN_GLUE_NEW_ EXP
#define VORN_GLUE_NEW_(Type) GlueNew##Type
