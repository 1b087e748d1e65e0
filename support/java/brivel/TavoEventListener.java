package brivel;

/**
 * Base of the generated event listeners. Concrete, so that natives can make
 * an object of it without a constructor.
 */
public class TavoEventListener {
    /** The native event sink of this listener (0 while there is none). */
    protected int __TavoEventSink;

    public TavoEventListener() {
    }

    /** Drops the listener's own reference to its native sink (the sink lives on while an advise holds it). */
    public native void TavoRelease();

    /** Called when an event could not be delivered; the default prints the reason. */
    public void TavoOnEventError(String eventName, String error) {
        System.err.println("Event " + eventName + ": " + error);
    }

    /** Called when the listener's event method threw; the default prints the exception. */
    public void TavoOnEventException(String eventName, Throwable exception) {
        System.err.println("Event " + eventName + " threw " + exception);
        if (exception != null) exception.printStackTrace();
    }
}
