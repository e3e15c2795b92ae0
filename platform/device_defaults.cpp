// The states of a device just created: the device interface's own defaults, for a device with depth and stencil.
#include "platform/device_state.h"

#include <cstddef>
#include <iterator>

namespace {

struct STATEDEFAULT {
    int State;
    std::uint32_t Value;
};

constexpr int RenderDefaultCount = 28;
const STATEDEFAULT RenderDefaults[RenderDefaultCount] = {
    {D3DRS_ZENABLE, D3DZB_TRUE},
    {D3DRS_FILLMODE, D3DFILL_SOLID},
    {D3DRS_SHADEMODE, D3DSHADE_GOURAUD},
    {D3DRS_ZWRITEENABLE, true},
    {D3DRS_ALPHATESTENABLE, false},
    {D3DRS_SRCBLEND, D3DBLEND_ONE},
    {D3DRS_DESTBLEND, D3DBLEND_ZERO},
    {D3DRS_CULLMODE, D3DCULL_CCW},
    {D3DRS_ZFUNC, D3DCMP_LESSEQUAL},
    {D3DRS_ALPHAREF, 0},
    {D3DRS_ALPHAFUNC, D3DCMP_ALWAYS},
    {D3DRS_ALPHABLENDENABLE, false},
    {D3DRS_FOGENABLE, false},
    {D3DRS_FOGCOLOR, 0},
    {D3DRS_FOGSTART, FloatBits(0.0f)},
    {D3DRS_FOGEND, FloatBits(1.0f)},
    {D3DRS_STENCILENABLE, false},
    {D3DRS_STENCILFAIL, D3DSTENCILOP_KEEP},
    {D3DRS_STENCILZFAIL, D3DSTENCILOP_KEEP},
    {D3DRS_STENCILPASS, D3DSTENCILOP_KEEP},
    {D3DRS_STENCILFUNC, D3DCMP_ALWAYS},
    {D3DRS_STENCILREF, 0},
    {D3DRS_STENCILMASK, 0xffffffffu},
    {D3DRS_STENCILWRITEMASK, 0xffffffffu},
    {D3DRS_LIGHTING, true},
    {D3DRS_AMBIENT, 0},
    {D3DRS_FOGVERTEXMODE, D3DFOG_NONE},
    {D3DRS_COLORWRITEENABLE, D3DCOLORWRITEENABLE_RED | D3DCOLORWRITEENABLE_GREEN | D3DCOLORWRITEENABLE_BLUE |
                                 D3DCOLORWRITEENABLE_ALPHA},
};
static_assert(std::size(RenderDefaults) == RenderDefaultCount);

constexpr int SamplerDefaultCount = 3;
const STATEDEFAULT SamplerDefaults[SamplerDefaultCount] = {
    {D3DSAMP_MAGFILTER, D3DTEXF_POINT},
    {D3DSAMP_MINFILTER, D3DTEXF_POINT},
    {D3DSAMP_MIPFILTER, D3DTEXF_NONE},
};
static_assert(std::size(SamplerDefaults) == SamplerDefaultCount);

constexpr int StageDefaultCount = 6;
const STATEDEFAULT StageDefaults[StageDefaultCount] = {
    {D3DTSS_COLOROP, D3DTOP_MODULATE},
    {D3DTSS_COLORARG1, D3DTA_TEXTURE},
    {D3DTSS_COLORARG2, D3DTA_CURRENT},
    {D3DTSS_ALPHAOP, D3DTOP_SELECTARG1},
    {D3DTSS_ALPHAARG1, D3DTA_TEXTURE},
    {D3DTSS_ALPHAARG2, D3DTA_CURRENT},
};
static_assert(std::size(StageDefaults) == StageDefaultCount);

DEVICESTATE BuildDefaults()
{
    DEVICESTATE state;
    for (const STATEDEFAULT& row : RenderDefaults)
        state.RenderStates[row.State] = row.Value;
    for (const STATEDEFAULT& row : SamplerDefaults)
        state.SamplerStates[row.State] = row.Value;
    for (const STATEDEFAULT& row : StageDefaults)
        state.StageStates[row.State] = row.Value;
    return state;
}

}  // namespace

DEVICESTATE DefaultDeviceState()
{
    static const DEVICESTATE defaults = BuildDefaults();
    return defaults;
}
