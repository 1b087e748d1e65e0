package probe;

import test.options.GadgetMode;
import test.options.IGadget;
import test.options.IGadgetEvents;

/** A listener of the options bridge's dual event interface that records what arrives. */
public class GadgetEventsProbe extends IGadgetEvents {
    public String log = "";
    public boolean answer;
    public boolean throwNext;

    public void Turned(int turns, String caption) {
        log += "Turned " + turns + " " + caption + ";";
        if (throwNext) {
            throwNext = false;
            throw new IllegalStateException("handler failed");
        }
    }

    public void Counted(short[] count) {
        log += "Counted " + count[0] + ";";
        count[0] += 1;
        if (throwNext) {
            throwNext = false;
            throw new IllegalStateException("handler failed");
        }
    }

    public void Moved(brivel.TavoVariant where, GadgetMode mode) {
        try {
            log += "Moved " + where.getInt() + " " + mode.getEnumeratedIntValue() + ";";
        } catch (brivel.TavoException ex) {
            log += "Moved unreadable " + ex.getMessage() + ";";
        }
    }

    public void Seen(brivel.TavoVariant where, int after) {
        try {
            log += "Seen " + where.getInt() + " " + after + ";";
        } catch (brivel.TavoException ex) {
            log += "Seen unreadable " + ex.getMessage() + ";";
        }
    }

    public boolean Asked(IGadget asker) {
        log += "Asked " + (asker == null ? "null" : "object") + ";";
        return answer;
    }

    public void TavoOnEventException(String eventName, Throwable exception) {
        log += "Exception " + eventName + " " + exception.getMessage() + ";";
    }
}
