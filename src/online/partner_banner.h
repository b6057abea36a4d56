#pragma once
// The partner banner across the bottom of the vehicle window: a picture 60
// pixels high, stretched to the window's width; a click opens the partner's page.

class Prompts;
class QLabel;

void setUpPartnerBanner(QLabel& banner, Prompts& prompts);
