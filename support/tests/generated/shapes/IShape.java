package shapes;

/** This class corresponds to a COM interface.
  * Objects of this class are not created directly,
  * but are obtained by calling methods of other COM objects.
 */
public class IShape extends brivel.TavoObject {

	public native double Area() throws brivel.TavoException;

	public native void Move(int dx, int[] dy, int[] dz) throws brivel.TavoException;

	public native void Paint(Colour colour, Point at, brivel.TavoVariant v, brivel.out.TavoVariantArray vv) throws brivel.TavoException;

	public native void Items(int[] values, brivel.out.TavoStringArray names, brivel.TavoObject other) throws brivel.TavoException;

	public native void brivelEnumerator( brivel.TavoIterator receiver ) throws brivel.TavoException;



	// Implementation
	//

	/** Constructors for internal Brivel Usage only
	  * DO NOT attempt to construct this object!  It is retrieved from other objects.
	  */
	private IShape() {}
	private IShape( java.lang.ref.Reference ref ) {}

	private IShape( brivel.TavoObject obj ) throws brivel.TavoException
	{
		if ( ! __TavoLoad( obj, false ))
			throw new ClassCastException( "Object/interface passed does not support \"IShape\"" );
	}

	/** Use this method only for creating a COM interface of type IShape
	  * from another existing COM interface, when you know that it is possible.
	  */
	public static IShape _brivelCoerceObject(brivel.TavoObject obj) throws brivel.TavoException { return new IShape(obj);}

	/** JNI function used internally by Brivel */
	native boolean __TavoLoad( brivel.TavoObject obj, boolean initial ) throws brivel.TavoException;
	static {
		System.loadLibrary( "JShapes" );
	}

}

