package servertest;

import brivel.TavoEventListener;

/** A coclass object whose unadvise records what it was given. */
public class AdvisedObject extends brivel.TavoObject {
    public TavoEventListener unadvisedListener;
    public int unadvisedCookie = -1;

    protected void __TavoUnadvise(TavoEventListener listener, int cookie) {
        unadvisedListener = listener;
        unadvisedCookie = cookie;
    }
}
