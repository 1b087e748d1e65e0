package brivel;

/**
 * A listener class of another release of the product, without the field of
 * its native sink: put before brivel18.jar, the runtime cannot find all of
 * the product's members.
 */
public class TavoEventListener {
    public TavoEventListener() {
    }
}
