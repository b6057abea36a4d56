#include "online/partner_banner.h"

#include "online/desktop_services.h"
#include "online/link_click.h"
#include "online/picture.h"
#include "online/web_addresses.h"

#include <QLabel>

namespace {

constexpr int kBannerHeight = 60;
// Drawn at the vehicle window's first width; a wider window stretches it.
constexpr int kPictureWidth = 430;

} // namespace

void setUpPartnerBanner(QLabel& banner, Prompts& prompts)
{
    banner.setFixedHeight(kBannerHeight);
    banner.setScaledContents(true);
    banner.setPixmap(renderPicture(QStringLiteral(":/pictures/partner_banner.svg"),
                                   QSize(kPictureWidth, kBannerHeight)));
    LinkClick::attach(&banner, [&prompts] { OpenWebPage(prompts, partnerPageAddress()); });
}
