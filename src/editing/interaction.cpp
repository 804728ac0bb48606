#include "editing/interaction.h"

void resetInteraction(Interaction& interaction, Game& game)
{
    releaseHeldButton(interaction.heldButton, game);
    endLabelEdit(interaction.label, game, false);
    interaction.selection = {};
    interaction.statusText.clear();
}

void cancelInteraction(Interaction& interaction, Game& game)
{
    resetInteraction(interaction, game);
    interaction.pendingLinkEnd = {};
    interaction.wireDrag = {};
    interaction.linkEndDrag = {};
}
